#pragma once
// The baseball on the main window, drawn rather than loaded, so it is sharp at any size.

#include <QWidget>

namespace quillbat {

class BaseballGraphic : public QWidget {
public:
    explicit BaseballGraphic(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {72, 72}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quillbat
