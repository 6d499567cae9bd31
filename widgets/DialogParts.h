// The parts the program's dialogs are built from alike: the window itself,
// its face, labels that grow to their text, and the yellow push buttons.
#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <functional>

class QDialog;
class QLabel;
class QWidget;
class TPrzycisk;

// A fixed-size dialog with a system menu and a minimise box, the 3-D light
// face and the plain 8-point face, centred on the screen.
void SetUpDialog(QDialog& dialog, const QString& title, QSize size);

// A one-line label at r that grows to its text: the plain face runs a little
// wider than the one these widths were measured in.
QLabel* DialogLabel(QWidget* parent, const char* name, const QString& text, QRect r);

// Names control for screen readers; an editable list's text field too.
void NameControl(QWidget* control, const QString& name);

// The label tells what control is for: screen readers name the control by
// the label's text, and the label points at it.
void NameByLabel(QLabel* label, QWidget* control);

// Tab and Shift+Tab go through the controls in the order given.
void ChainTabStops(const QList<QWidget*>& controls);

// A dialog push button: black Arial caption on the pale yellow face.
TPrzycisk* DialogButton(QWidget* parent, const char* name, const QString& text, QRect r, std::function<void()> click);
