#pragma once
// The hidden capture surface: the screen area of each tick is copied into its
// retained image, which then becomes its picture.
#include "forms/form.h"

class FrmOrigine : public forms::Form {
public:
    FrmOrigine();

private:
    // Unlike the design, where any loaded form keeps the process alive: the capture surface is never seen,
    // and a program whose lens was closed (Alt+F4, a close from another program) would run on unseen.
    bool KeepsProgramRunning() const override { return false; }
};

FrmOrigine& frmOrigine();
