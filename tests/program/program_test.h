#pragma once
// Each program test starts as the program does: factor 2.5, not exiting, the
// screen's size, no form loaded and no settings file.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/frm_sda.h"
#include "forms/application.h"
#include "magnifier/frm_origine.h"
#include "magnifier/frm_vistak.h"
#include "magnifier/magnifier_state.h"
#include "settings/frm_settings.h"
#include "test_form.h"

class ProgramTest : public ::testing::Test {
protected:
    static std::wstring SettingsPath() { return forms::ProgramFolder() + L"\\Vistak.txt"; }
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

private:
    static void Reset() {
        forms::Form* const all[] = {&frmSettings(), &frmVistak(), &frmOrigine(), &frmSDA()};
        for (forms::Form* form : all) form->Unload();
        ZoomFactor = 2.5;
        Exiting = false;
        ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
        ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
        DeleteFileW(SettingsPath().c_str());
    }
};
