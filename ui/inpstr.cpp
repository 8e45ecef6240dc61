#include "ui/inpstr.h"

TFinpstr::TFinpstr(QWidget* parent) : QDialog(parent) { setWindowTitle("Finpstr"); }
