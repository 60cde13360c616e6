#pragma once

class QMessageBox;

// Makes an alert show its message and informative text as they are written:
// a folder named like markup must read as its name.
void showTextsPlainly(QMessageBox *alert);
