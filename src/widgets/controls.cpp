#include "widgets/controls.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyleOptionButton>

namespace {

// The buttons were drawn for a narrower font than most desktops use; a caption that would be
// clipped gets a slightly smaller font instead.
void fitCaption(QPushButton *button)
{
    constexpr qreal kSmallestPointSize = 6.0;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const int room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    QFont font = button->font();
    while (QFontMetrics(font).horizontalAdvance(button->text()) > room &&
           font.pointSizeF() > kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    button->setFont(font);
}

} // namespace

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                        const QRect &geometry)
{
    auto *button = place(new QPushButton(caption, parent), name, caption, geometry);
    button->setAutoDefault(false);
    fitCaption(button);
    return button;
}

QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &caption,
                     const QRect &geometry)
{
    return place(new QGroupBox(caption, parent), name, caption, geometry);
}

bool pressFocusedButtonOnEnter(QWidget *window, QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    if (auto *button = qobject_cast<QPushButton *>(window->focusWidget()))
        button->click();
    event->accept();
    return true;
}
