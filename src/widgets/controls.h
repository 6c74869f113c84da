#pragma once

#include <QRect>
#include <QString>

class QGroupBox;
class QKeyEvent;
class QPushButton;
class QWidget;

// Names a control for code and for screen readers and puts it where the layout draws it.
template <typename Control>
Control *place(Control *control, const QString &name, const QString &accessibleName,
               const QRect &geometry)
{
    control->setObjectName(name);
    control->setAccessibleName(accessibleName);
    control->setGeometry(geometry);
    return control;
}

// A push button that is never the default one and whose caption is never clipped.
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                        const QRect &geometry);

// A frame (group box) with its caption.
QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &caption,
                     const QRect &geometry);

// Enter presses the button that has the focus and no other; true when the key was Enter.
bool pressFocusedButtonOnEnter(QWidget *window, QKeyEvent *event);
