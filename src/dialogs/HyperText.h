#pragma once
// Turns a label into a hyperlink: underlined, in the link colour, a hand pointer over it, and
// a click opens its text (an address with "@" as a mail link) and shows it in the visited
// colour.

#include <QColor>
#include <QObject>

#include "platform/Ui.h"

class QLabel;

namespace quillbat {

class HyperText : public QObject {
public:
    explicit HyperText(Ui& ui, QObject* parent = nullptr);

    // Attaches the object to the label.
    void CreateHyper(QLabel* label);
    // What a click on the label does.
    void Label_Click();

    QColor linkColor{0, 0, 255};
    QColor visitedColor{255, 0, 0};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetTextColor(const QColor& color);

    Ui& ui_;
    QLabel* label_ = nullptr;
};

// The text as the desktop opens it: "mailto:" in front when it holds "@".
std::string HyperlinkTarget(const std::string& text);

}  // namespace quillbat
