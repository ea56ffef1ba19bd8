#include "dialogs/DialogLayout.h"

namespace quillbat {

QHBoxLayout* PictureBesideText(QWidget* picture, QLayout* text) {
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);
    return top;
}

void LayOutMessagePage(QDialog* dialog, QLayout* top, std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons) row->addWidget(button);
    auto* page = new QVBoxLayout(dialog);
    page->setSizeConstraint(QLayout::SetFixedSize);
    page->addLayout(top);
    page->addSpacing(8);
    page->addLayout(row);
}

}  // namespace quillbat
