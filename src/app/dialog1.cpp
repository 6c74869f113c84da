#include "app/dialog1.h"

#include "widgets/controls.h"
#include "widgets/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

// Stretches its picture by whole pixels, as the icon art is drawn, instead of blurring it.
class PixelPicture final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawPixmap(contentsRect(), pixmap());
    }
};

// Liberation Serif has the metrics of Times New Roman, so the layout holds where Times is missing.
QFont timesFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &rect,
                 const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(rect);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

Dialog1::Dialog1(QWidget *parent)
    // A tool window gets no task-bar button and, on Windows, no title-bar icon.
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Dialog1"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(twipsSize(5205, 2130));
    setAttribute(Qt::WA_DeleteOnClose);

    // Enter presses the button only while it has the focus; the box has no default button.
    OKButton = makeButton(this, QStringLiteral("OKButton"), QStringLiteral("OK"),
                          twipsRect(3840, 120, 1215, 375));
    connect(OKButton, &QPushButton::clicked, this, &Dialog1::OKButton_Click);

    auto *image = new PixelPicture(this);
    image->setObjectName(QStringLiteral("Image1"));
    // Screen readers announce the picture by what it shows.
    image->setAccessibleName(QStringLiteral("Figur mit Schwert"));
    image->setGeometry(twipsRect(1800, 120, 1320, 1200));
    image->setScaledContents(true);
    image->setPixmap(QPixmap(QStringLiteral(":/tarvolin/about.png")));

    addLabel(this, QStringLiteral("Label1"), QStringLiteral("Tarvolin 2000™"),
             twipsRect(240, 1440, 4815, 855), timesFont(20.25, true));
    // Lies over the lower part of Label1 and runs past the bottom edge; its one line stays inside.
    addLabel(this, QStringLiteral("Label2"), QStringLiteral("v. 3.00.00"),
             twipsRect(1680, 1920, 2895, 495), timesFont(8.25, false));

    OKButton->setFocus();
}

void Dialog1::OKButton_Click()
{
    hide();
}

void Dialog1::keyPressEvent(QKeyEvent *event)
{
    // The box has no cancel button: Esc leaves it open.
    if (event->key() == Qt::Key_Escape)
        event->accept();
    else if (!pressFocusedButtonOnEnter(this, event))
        QDialog::keyPressEvent(event);
}
