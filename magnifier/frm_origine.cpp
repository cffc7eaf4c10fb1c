#include "magnifier/frm_origine.h"

#include "magnifier/frm_origine_design.h"

FrmOrigine::FrmOrigine() : Form(designs::origine::frmOrigine) {}

FrmOrigine& frmOrigine() {
    static FrmOrigine form;
    return form;
}
