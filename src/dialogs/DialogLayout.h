#pragma once
// Small pieces every window of the program lays out the same way.

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <initializer_list>

namespace quillbat {

// The widget with its object name set (the names the tests and the spreadsheet-style captions use).
template <typename W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

// A picture at the top left with the text beside it.
QHBoxLayout* PictureBesideText(QWidget* picture, QLayout* text);

// The dialog's page: the top part, then its buttons at the bottom right; the dialog keeps the
// size its contents ask for.
void LayOutMessagePage(QDialog* dialog, QLayout* top, std::initializer_list<QPushButton*> buttons);

}  // namespace quillbat
