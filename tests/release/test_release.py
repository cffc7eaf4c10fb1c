"""The release zip as a user downloads it: the Vistak.exe inside has the properties a Windows user can trust,
and a second build of the same sources in another folder, later, gives the same bytes.
Environment: VISTAK_ZIP, VISTAK_VERSION (the project's), VISTAK_SOURCE and VISTAK_BUILD (the folders of the
tested build), VISTAK_TOOLCHAIN (its toolchain file's name), VISTAK_SOURCE_DATE_EPOCH (the commit's time)."""
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

ZIP = pathlib.Path(os.environ.get("VISTAK_ZIP", ""))
VERSION = os.environ.get("VISTAK_VERSION", "")
SOURCE, BUILD = pathlib.Path(os.environ.get("VISTAK_SOURCE", "")), pathlib.Path(os.environ.get("VISTAK_BUILD", ""))

# DLLs that every Windows from Vista on carries in its system folder.
WINDOWS_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "advapi32.dll", "shell32.dll",
                "ole32.dll", "comctl32.dll", "version.dll", "ntdll.dll"}
IMAGE_FILE_RELOCS_STRIPPED, DYNAMIC_BASE, NX_COMPAT = 0x0001, 0x0040, 0x0100
GUI_SUBSYSTEM, RT_BITMAP, RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 2, 2, 3, 14, 16, 24
GUIDES = ("Vistak-guida.html", "Vistak-guide.html")
# Absolute paths of a Linux build machine (the toolchain's own sources are named relative to its build).
MACHINE_PATH = re.compile(rb"/(?:usr|home|tmp|build|work|root|opt|srv|mnt|var)/")


class PortableExecutable:
    """The headers, imports and resources of a PE32 or PE32+ image."""

    def __init__(self, data):
        self.data = data
        header = struct.unpack_from("<I", data, 0x3C)[0]
        if data[header:header + 4] != b"PE\0\0":
            raise ValueError("not a PE image")
        (_, sections, self.timestamp, self.symbol_table, self.symbols, optional_size,
         self.characteristics) = struct.unpack_from("<HHIIIHH", data, header + 4)
        optional = header + 24
        self.wide = struct.unpack_from("<H", data, optional)[0] == 0x20B  # PE32+: 8-byte addresses and thunks
        self.subsystem, self.dll_characteristics = struct.unpack_from("<HH", data, optional + 68)
        directories = optional + (112 if self.wide else 96)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(16)]
        self.sections = []
        for i in range(sections):
            name, size, address, raw_size, raw = struct.unpack_from("<8sIIII", data, optional + optional_size + 40 * i)
            self.sections.append((name.rstrip(b"\0").decode(), address, max(size, raw_size), raw))

    def offset(self, rva):
        return next(raw + rva - address for _, address, size, raw in self.sections if address <= rva < address + size)

    def text(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode()

    def imports(self):
        """(DLL, function) of each import: the function's name, or #ordinal where it is imported by number."""
        found, entry = [], self.offset(self.directories[1][0])
        thunk_format, by_ordinal = ("<Q", 1 << 63) if self.wide else ("<I", 1 << 31)
        while any(descriptor := struct.unpack_from("<5I", self.data, entry)):
            dll, thunk = self.text(descriptor[3]).lower(), self.offset(descriptor[0] or descriptor[4])
            while thunk_value := struct.unpack_from(thunk_format, self.data, thunk)[0]:
                found.append((dll, f"#{thunk_value & 0xFFFF}" if thunk_value & by_ordinal
                              else self.text((thunk_value & 0x7FFFFFFF) + 2)))  # past the name's 2-byte hint
                thunk += struct.calcsize(thunk_format)
            entry += 20
        return found

    def resources(self, kind):
        """(identifier, language, bytes) of each resource of a numbered type."""
        if not self.directories[2][1]:
            return []
        base = self.offset(self.directories[2][0])

        def entries(table):
            named, numbered = struct.unpack_from("<HH", self.data, base + table + 12)
            return [struct.unpack_from("<II", self.data, base + table + 16 + 8 * i) for i in range(named + numbered)]

        found = []
        for type_id, names in entries(0):
            for name, languages in entries(names & 0x7FFFFFFF) if type_id == kind else ():
                for language, leaf in entries(languages & 0x7FFFFFFF):
                    rva, size = struct.unpack_from("<II", self.data, base + leaf)
                    found.append((name, language, self.data[self.offset(rva):self.offset(rva) + size]))
        return found

    def resource(self, kind, identifier):
        return next((data for found, _, data in self.resources(kind) if found == identifier), b"")

    def icon_file(self, group):
        """An icon group of one image rebuilt as the .ico file it was made from (whose entry holds the image's offset
        where the group's holds its identifier), and the image's identifier."""
        entry = self.resource(RT_GROUP_ICON, group)
        image = struct.unpack_from("<H", entry, 18)[0]
        return entry[:18] + struct.pack("<I", 22) + self.resource(RT_ICON, image), image

    def version(self):
        """The version block's values by key: texts as str, binary values (the fixed block's) as bytes."""
        return version_values(self.resource(RT_VERSION, 1))


def version_values(block, at=0, end=None):
    """The values of the version block's nodes from at to end, by key: a node is its length, its value's length
    (in characters for a text), whether that is a text, its key, then its value and its children, each aligned to
    four bytes."""
    values, end = {}, len(block) if end is None else end
    while at + 6 <= end:
        length, value_length, is_text = struct.unpack_from("<3H", block, at)
        key = block[at + 6:at + length].decode("utf-16-le", "replace").split("\0")[0]
        value_at = (at + 8 + 2 * len(key) + 3) & ~3
        value = block[value_at:value_at + value_length * (2 if is_text else 1)]
        values[key] = value.decode("utf-16-le", "replace").rstrip("\0") if is_text else value
        values.update(version_values(block, (value_at + len(value) + 3) & ~3, at + length))
        at = (at + max(length, 6) + 3) & ~3  # a node without a length would hold the walk in place
    return values


def allowed_imports(exe):
    """The (DLL, function) pairs on the list of the exe's bitness: a [dll] line opens a DLL's functions, each named
    first on its line, followed by where it is documented on Windows Vista."""
    allowed, dll = set(), None
    listing = pathlib.Path(__file__).with_name(f"imports-win{64 if exe.wide else 32}.txt")
    for line in listing.read_text().splitlines():
        if line.startswith("["):
            dll = line.strip("[]").lower()
        elif line and not line.startswith("#"):
            allowed.add((dll, line.split()[0]))
    return allowed


def packaged_exe(path=ZIP):
    with zipfile.ZipFile(path) as release:
        return release.read("Vistak.exe")


def release_files():
    """What the zip must hold: the exe, the guides, and every picture and the stylesheet that the guides use."""
    used = {name for guide in GUIDES for name in re.findall(r'<(?:img\b[^>]*\bsrc|link\b[^>]*\bhref)="([^"]+)"',
                                                            (SOURCE / "docs" / guide).read_text("utf-8"))}
    return sorted({"Vistak.exe", *GUIDES, *used})


def machine_paths(data):
    """The build machine's paths that occur in data, as text or UTF-16."""
    needles = {str(folder) for folder in (SOURCE, BUILD, pathlib.Path.home()) if str(folder) not in ("", ".", "/")}
    needles |= {os.path.realpath(needle) for needle in needles}
    found = [needle for needle in sorted(needles)
             if needle.encode() in data or needle.encode("utf-16-le") in data]
    return found + sorted({match.decode() for match in MACHINE_PATH.findall(data)})


class ReleaseChecks(unittest.TestCase):
    def test_the_packaged_exe_has_the_release_properties(self):
        data = packaged_exe()
        exe = PortableExecutable(data)
        artwork = lambda name: (SOURCE / "resources" / name).read_bytes()
        version = exe.version()
        numbers = lambda ms, ls: f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
        signature, file_ms, file_ls, product_ms, product_ls = struct.unpack_from(
            "<I4x4I", version.get("VS_VERSION_INFO", bytes(24)))
        checks = [
            ("Windows GUI subsystem", exe.subsystem, GUI_SUBSYSTEM),
            ("ASLR: dynamic base, with relocations present",
             (bool(exe.dll_characteristics & DYNAMIC_BASE), exe.directories[5][1] > 0,
              bool(exe.characteristics & IMAGE_FILE_RELOCS_STRIPPED)), (True, True, False)),
            ("DEP: NX compatible", bool(exe.dll_characteristics & NX_COMPAT), True),
            ("imports only Windows' own DLLs", sorted({dll for dll, _ in exe.imports()} - WINDOWS_DLLS), []),
            ("imports only functions listed as on Windows Vista",
             sorted(f"{dll} {function}" for dll, function in set(exe.imports()) - allowed_imports(exe)), []),
            ("one manifest, ours as built", [(name, data) for name, _, data in exe.resources(RT_MANIFEST)],
             [(1, artwork("vistak.manifest"))]),
            ("icon groups 1 and 2 are the icon files, the program icon's image numbered 30001",
             [exe.icon_file(1), exe.icon_file(2)[0]], [(artwork("vistak.ico"), 30001), artwork("sda.ico")]),
            ("the splash bitmap is its file without the file header", exe.resource(RT_BITMAP, 101),
             artwork("splash.bmp")[14:]),
            ("version block and zip name carry the project's version",
             (signature, numbers(file_ms, file_ls), numbers(product_ms, product_ls),
              bool(re.fullmatch(rf"Vistak-{re.escape(VERSION)}-win(32|64)\.zip", ZIP.name))),
             (0xFEEF04BD, VERSION, VERSION, True)),
            ("version texts in Italian (0x0410) in Unicode (1200)",
             [version.get(key) for key in ("Translation", "FileVersion", "ProductVersion")],
             [b"\x10\x04\xb0\x04", "1.00.0010", "1.00.0010"]),
            ("the other version texts are given",
             [key for key in ("CompanyName", "ProductName", "LegalCopyright", "FileDescription", "InternalName",
                              "OriginalFilename") if not version.get(key)], []),
            ("no symbols", (exe.symbol_table, exe.symbols, exe.directories[6][1],
                            [name for name, *_ in exe.sections if name.startswith((".debug", "/"))]), (0, 0, 0, [])),
            ("no path of the build machine", machine_paths(data), []),
            ("the exe, the Italian and English guides and their pictures, nothing else",
             sorted(zipfile.ZipFile(ZIP).namelist()), release_files()),
        ]
        for what, actual, expected in checks:
            with self.subTest(what):
                self.assertEqual(actual, expected, what)


def run(args, timeout, **kwargs):
    """Runs a command in a process group of its own, which it ends however the command ends."""
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
