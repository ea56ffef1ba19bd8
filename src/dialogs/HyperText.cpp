#include "dialogs/HyperText.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace quillbat {

std::string HyperlinkTarget(const std::string& text) {
    return text.find('@') != std::string::npos ? "mailto:" + text : text;
}

HyperText::HyperText(Ui& ui, QObject* parent) : QObject(parent), ui_(ui) {}

void HyperText::CreateHyper(QLabel* label) {
    label_ = label;
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    SetTextColor(linkColor);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
}

void HyperText::Label_Click() {
    std::string target = HyperlinkTarget(label_->text().toStdString());
    if (ui_.OpenDocument(target) != 0) {
        bool mail = target.find("mailto:") != std::string::npos;
        ui_.Message(MsgIcon::Critical, "Error",
                    mail ? "Could not start e-mail program!" : "Could not start browser!");
        return;
    }
    SetTextColor(visitedColor);
}

bool HyperText::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        label_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        Label_Click();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void HyperText::SetTextColor(const QColor& color) {
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, color);
    label_->setPalette(palette);
}

}  // namespace quillbat
