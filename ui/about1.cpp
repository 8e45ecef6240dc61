#include "ui/about1.h"

TFAbout1::TFAbout1(QWidget* parent) : QDialog(parent) { setWindowTitle("About"); }
