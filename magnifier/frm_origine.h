#pragma once
// The hidden capture surface: the screen area of each tick is copied into its
// retained image, which then becomes its picture.
#include "forms/form.h"

class FrmOrigine : public forms::Form {
public:
    FrmOrigine();

private:
    bool KeepsProgramRunning() const override { return false; }
};

FrmOrigine& frmOrigine();
