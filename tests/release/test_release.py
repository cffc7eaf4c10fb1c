"""The release zip as a user downloads it: an exe a Windows user can trust, and the same bytes from a second build.
Environment: VISTAK_ZIP, VISTAK_VERSION, VISTAK_SOURCE (the tested build's sources),
VISTAK_TOOLCHAIN (its toolchain file's name), VISTAK_SOURCE_DATE_EPOCH (the commit's time)."""
import contextlib
import hashlib
import os
import pathlib
import re
import shutil
import signal
import struct
import subprocess
import tempfile
import unittest
import zipfile

import pefile

ZIP = pathlib.Path(os.environ.get("VISTAK_ZIP", ""))
VERSION = os.environ.get("VISTAK_VERSION", "")
SOURCE = pathlib.Path(os.environ.get("VISTAK_SOURCE", ""))

# DLLs that every Windows from Vista on carries in its system folder.
WINDOWS_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "advapi32.dll", "shell32.dll",
                "ole32.dll", "comctl32.dll", "version.dll", "ntdll.dll"}
RT_BITMAP, RT_ICON, RT_GROUP_ICON, RT_MANIFEST = 2, 3, 14, 24
GUIDES = ("Vistak-guida.html", "Vistak-guide.html")


def resources(exe, kind):
    return [(name.id, exe.get_data(language.data.struct.OffsetToData, language.data.struct.Size))
            for type_entry in exe.DIRECTORY_ENTRY_RESOURCE.entries if type_entry.id == kind
            for name in type_entry.directory.entries for language in name.directory.entries]


def resource(exe, kind, identifier):
    return next((data for found, data in resources(exe, kind) if found == identifier), b"")


def icon_file(exe, group):
    """A one-image icon group as its .ico file (the image's offset where the group holds its id), and that id."""
    entry = resource(exe, RT_GROUP_ICON, group)
    image = struct.unpack_from("<H", entry, 18)[0]
    return entry[:18] + struct.pack("<I", 22) + resource(exe, RT_ICON, image), image


def version_texts(exe):
    texts = {key.decode(): value.decode() for info in exe.FileInfo[0] for table in getattr(info, "StringTable", [])
             for key, value in table.entries.items()}
    return texts, [var.entry.get(b"Translation") for info in exe.FileInfo[0] for var in getattr(info, "Var", [])]


def imports(exe):
    return {(dll.dll.decode().lower(), f"#{function.ordinal}" if function.import_by_ordinal else function.name.decode())
            for dll in exe.DIRECTORY_ENTRY_IMPORT for function in dll.imports}


def reviewed_imports(exe):
    """(DLL, function) on the list of the exe's bitness: [dll] lines, then one function a line, named first."""
    listed, dll = set(), None
    wide = exe.OPTIONAL_HEADER.Magic == pefile.OPTIONAL_HEADER_MAGIC_PE_PLUS
    listing = pathlib.Path(__file__).with_name(f"imports-win{64 if wide else 32}.txt")
    for line in listing.read_text().splitlines():
        if line.startswith("["):
            dll = line.strip("[]").lower()
        elif line and not line.startswith("#"):
            listed.add((dll, line.split()[0]))
    return listed


def packaged_exe(path=ZIP):
    with zipfile.ZipFile(path) as release:
        return release.read("Vistak.exe")


def release_files():
    used = {name for guide in GUIDES for name in re.findall(r'<(?:img\b[^>]*\bsrc|link\b[^>]*\bhref)="([^"]+)"',
                                                            (SOURCE / "docs" / guide).read_text("utf-8"))}
    return sorted({"Vistak.exe", *GUIDES, *used})


class ReleaseChecks(unittest.TestCase):
    def test_the_packaged_exe_has_the_release_properties(self):
        exe = pefile.PE(data=packaged_exe())
        artwork = lambda name: (SOURCE / "resources" / name).read_bytes()
        header, optional = exe.FILE_HEADER, exe.OPTIONAL_HEADER
        directory = {entry.name.replace("IMAGE_DIRECTORY_ENTRY_", ""): entry.Size for entry in optional.DATA_DIRECTORY}
        fixed, (texts, translations) = exe.VS_FIXEDFILEINFO[0], version_texts(exe)
        numbers = lambda ms, ls: f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
        imported, listed = imports(exe), reviewed_imports(exe)
        checks = [
            ("Windows GUI subsystem", optional.Subsystem, pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]),
            ("ASLR: dynamic base, with relocations present",
             (optional.IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE, directory["BASERELOC"] > 0,
              header.IMAGE_FILE_RELOCS_STRIPPED), (True, True, False)),
            ("DEP: NX compatible", optional.IMAGE_DLLCHARACTERISTICS_NX_COMPAT, True),
            ("imports only Windows' own DLLs", sorted({dll for dll, _ in imported} - WINDOWS_DLLS), []),
            ("imports only functions on the reviewed list", sorted(f"{dll} {name}" for dll, name in imported - listed),
             []),
            ("every function on the reviewed list is still imported",
             sorted(f"{dll} {name}" for dll, name in listed - imported), []),
            ("one manifest, ours as built", resources(exe, RT_MANIFEST), [(1, artwork("vistak.manifest"))]),
            ("icon groups 1 and 2 are the icon files, the program icon's image numbered 30001",
             [icon_file(exe, 1), icon_file(exe, 2)[0]], [(artwork("vistak.ico"), 30001), artwork("sda.ico")]),
            ("the splash bitmap is its file without the file header", resource(exe, RT_BITMAP, 101),
             artwork("splash.bmp")[14:]),
            ("version block and zip name carry the project's version",
             (fixed.Signature, numbers(fixed.FileVersionMS, fixed.FileVersionLS),
              numbers(fixed.ProductVersionMS, fixed.ProductVersionLS),
              bool(re.fullmatch(rf"Vistak-{re.escape(VERSION)}-win(32|64)\.zip", ZIP.name))),
             (0xFEEF04BD, VERSION, VERSION, True)),
            ("version texts in Italian (0x0410) in Unicode (1200)",
             [translations, texts.get("FileVersion"), texts.get("ProductVersion")],
             [["0x0410 0x04b0"], "1.00.0010", "1.00.0010"]),
            ("the other version texts are given",
             [key for key in ("CompanyName", "ProductName", "LegalCopyright", "FileDescription", "InternalName",
                              "OriginalFilename") if not texts.get(key)], []),
            ("no symbols", (header.PointerToSymbolTable, header.NumberOfSymbols, directory["DEBUG"],
                            [section.Name for section in exe.sections if section.Name.startswith((b".debug", b"/"))]),
             (0, 0, 0, [])),
            ("the exe, the Italian and English guides and their pictures, nothing else",
             sorted(zipfile.ZipFile(ZIP).namelist()), release_files()),
        ]
        for what, actual, expected in checks:
            with self.subTest(what):
                self.assertEqual(actual, expected, what)


def run(args, timeout, **kwargs):
    """Runs a command in a process group of its own, ended however the command ends."""
    with subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, start_new_session=True,
                          **kwargs) as process:  # which waits for it
        try:
            output = process.communicate(timeout=timeout)[0]
        finally:
            with contextlib.suppress(ProcessLookupError):
                os.killpg(process.pid, signal.SIGKILL)
    if process.returncode:
        raise AssertionError(f"{' '.join(map(str, args))} failed:\n{output[-3000:]}")
    return output


class ReproducibleBuild(unittest.TestCase):
    """Also keeps the build machine's paths out of the exe: the sources and the build lie elsewhere the second time."""
    def test_a_build_in_another_folder_later_gives_the_same_exe_and_zip(self):
        folder = pathlib.Path(tempfile.mkdtemp(prefix="vistak-rebuild-"))
        self.addCleanup(shutil.rmtree, folder, True)
        source, build = folder / "elsewhere", folder / "elsewhere-build"
        files = run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], 60, cwd=SOURCE)
        for name in filter(None, files.split("\0")):
            if (SOURCE / name).is_file():
                (source / name).parent.mkdir(parents=True, exist_ok=True)
                shutil.copy2(SOURCE / name, source / name)
        env = dict(os.environ, SOURCE_DATE_EPOCH=os.environ["VISTAK_SOURCE_DATE_EPOCH"])
        run(["bash", "-c", 'source "$0/scripts/windows-build.sh" && build_windows "$1" "$2" -DVISTAK_TESTS=OFF Vistak',
             source, build, os.environ["VISTAK_TOOLCHAIN"]], 900, env=env)
        rebuilt = pathlib.Path(run([source / "scripts" / "package.sh", build, folder / "dist"], 300, env=env)
                               .strip().splitlines()[-1])
        digest = lambda data: hashlib.sha256(data).hexdigest()
        self.assertEqual(rebuilt.name, ZIP.name)
        self.assertEqual(digest(packaged_exe(rebuilt)), digest(packaged_exe()), "Vistak.exe differs")
        self.assertEqual(digest(rebuilt.read_bytes()), digest(ZIP.read_bytes()), "the zip differs")


if __name__ == "__main__":
    unittest.main()
