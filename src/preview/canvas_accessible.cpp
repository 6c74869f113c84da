#include "preview/canvas_accessible.h"

#include "preview/message_canvas.h"
#include "preview/preview_colours.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace {

// "rgb(r,g,b)", as the platforms' bridges expect a colour among text attributes.
QString rgb(const QColor &colour)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

// One row of the canvas: a line of read-only text, one character a cell.
class RowAccessible final : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    RowAccessible(MessageCanvas *canvas, qsizetype row) : m_canvas(canvas), m_row(row) {}

    bool isValid() const override { return m_canvas && m_row < m_canvas->rowCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_canvas->window()->windowHandle(); }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_canvas);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text type) const override
    {
        if (type != QAccessible::Name)
            return {};
        const QString name = QStringLiteral("Zeile %1").arg(m_row + 1);
        return m_row < kWindowRows ? name : name + QStringLiteral(" (nicht im Fenster)");
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        return onScreen(m_canvas->cellRect(m_row, 0, m_canvas->textWidth()));
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                                  : nullptr;
    }

    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override
    {
        return m_canvas->shownText(m_row).mid(start, end - start);
    }
    int characterCount() const override { return int(m_canvas->shownText(m_row).size()); }
    QRect characterRect(int offset) const override
    {
        return onScreen(m_canvas->cellRect(m_row, offset));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        for (int offset = 0; offset < characterCount(); ++offset)
            if (characterRect(offset).contains(point))
                return offset;
        return -1;
    }
    void scrollToSubstring(int, int) override {}
    // The colour of the character at the offset, where the cells lie past the window's edge, and
    // whether the engine interprets it.
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = -1;
        for (const PreviewSign &sign : m_canvas->shownSigns(m_row)) {
            if (offset < sign.column || offset >= sign.column + sign.width)
                continue;
            *start = sign.column;
            *end = sign.column + sign.width;
            QString attributes = QStringLiteral("color:%1;").arg(rgb(textColour(sign.colour)));
            const bool pastTheEdge = *end > m_canvas->textWidth();
            if (pastTheEdge && m_row < kWindowRows)
                attributes += QStringLiteral("background-color:%1;").arg(rgb(beyondEdgeColour()));
            if (sign.uninterpreted)
                attributes += QStringLiteral("invalid:true;");
            return attributes;
        }
        return {};
    }

private:
    QRect onScreen(const QRect &rect) const
    {
        return {m_canvas->mapToGlobal(rect.topLeft()), rect.size()};
    }

    QPointer<MessageCanvas> m_canvas;
    qsizetype m_row;
};

// The canvas, whose children are its rows.
class CanvasAccessible final : public QAccessibleWidget {
public:
    explicit CanvasAccessible(MessageCanvas *canvas) : QAccessibleWidget(canvas, QAccessible::Pane)
    {
        for (qsizetype row = 0; row < kWindowRows + kRowsBelow; ++row)
            m_rows.push_back(
                QAccessible::registerAccessibleInterface(new RowAccessible(canvas, row)));
    }
    ~CanvasAccessible() override
    {
        for (const QAccessible::Id row : m_rows)
            QAccessible::deleteAccessibleInterface(row);
    }

    int childCount() const override { return int(canvas()->rowCount()); }
    QAccessibleInterface *child(int index) const override
    {
        return index >= 0 && index < childCount()
                   ? QAccessible::accessibleInterface(m_rows.at(std::size_t(index)))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int index = 0; index < childCount(); ++index)
            if (this->child(index) == child)
                return index;
        return -1;
    }

private:
    MessageCanvas *canvas() const { return static_cast<MessageCanvas *>(widget()); }

    std::vector<QAccessible::Id> m_rows;
};

} // namespace

QAccessibleInterface *messageCanvasAccessible(const QString &className, QObject *object)
{
    auto *canvas = qobject_cast<MessageCanvas *>(object);
    return className == QLatin1String("MessageCanvas") && canvas ? new CanvasAccessible(canvas)
                                                                 : nullptr;
}
