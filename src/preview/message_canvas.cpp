#include "preview/message_canvas.h"

#include "preview/canvas_accessible.h"
#include "preview/preview_colours.h"
#include "symbols/symbol_catalogue.h"

#include <QAccessible>
#include <QBitmap>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>

namespace {

// The engine's pixels, drawn twice as large: a cell is 6 of them wide, a row 16 high, and the
// window keeps a border of 8 around its text.
constexpr int kScale = 2;
constexpr int kCellWidth = 6 * kScale;
constexpr int kRowHeight = 16 * kScale;
constexpr int kBorder = 8 * kScale;
constexpr int kWindowWidth = 2 * kBorder + kWindowCells * kCellWidth;
constexpr int kWindowHeight = 2 * kBorder + kWindowRows * kRowHeight;
// Below the window: a caption, then the lines the window does not show.
constexpr int kCaptionHeight = 24;
constexpr int kBelowTop = kWindowHeight + kCaptionHeight;
constexpr int kFaceWidth = kFaceCells * kCellWidth;

// The glyphs' pictures, made once, to be drawn in any colour.
const QBitmap &glyphBitmap(int index)
{
    static const std::array<QBitmap, kGlyphCount> bitmaps = [] {
        std::array<QBitmap, kGlyphCount> made;
        for (int glyph = 0; glyph < int(made.size()); ++glyph) {
            QImage image(kGlyphPixels, kGlyphPixels, QImage::Format_MonoLSB);
            // A bitmap's set bits are its black ones.
            image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
            image.fill(0);
            const char *picture = symbolGlyph(glyph).picture;
            for (int pixel = 0; pixel < kGlyphPixels * kGlyphPixels; ++pixel)
                image.setPixel(pixel % kGlyphPixels, pixel / kGlyphPixels, picture[pixel] == '#');
            made[std::size_t(glyph)] = QBitmap::fromImage(image);
        }
        return made;
    }();
    return bitmaps.at(std::size_t(index));
}

} // namespace

MessageCanvas::MessageCanvas(QWidget *parent) : QWidget(parent)
{
    [[maybe_unused]] static const bool readable =
        (QAccessible::installFactory(messageCanvasAccessible), true);
    setFixedSize(kBorder + (kWindowCells + kCellsBeyondEdge) * kCellWidth, kWindowHeight);
    // Each character is drawn in its own cells; a fixed-width face of this size fits them all.
    m_cellFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_cellFont.setPixelSize(10 * kScale);
}

void MessageCanvas::setPreview(MessagePreview preview)
{
    m_preview = std::move(preview);
    m_frame.reset();
    // Room below the message window only for the lines it does not show.
    const qsizetype below = rowCount() - kWindowRows;
    setFixedHeight(below > 0 ? kBelowTop + int(below) * kRowHeight : kWindowHeight);
    update();
    QAccessibleEvent event(this, QAccessible::VisibleDataChanged);
    QAccessible::updateAccessibility(&event);
}

void MessageCanvas::setFrame(std::optional<qint64> frame)
{
    m_frame = frame;
    update();
    QAccessibleEvent event(this, QAccessible::VisibleDataChanged);
    QAccessible::updateAccessibility(&event);
}

std::optional<PlaybackStep> MessageCanvas::step() const
{
    if (!m_frame)
        return std::nullopt;
    return playbackStepAt(m_preview, *m_frame);
}

qsizetype MessageCanvas::rowCount() const
{
    return m_preview.rows.size();
}

std::span<const PreviewSign> MessageCanvas::shownSigns(qsizetype row) const
{
    const QList<PreviewSign> &signs = m_preview.rows.at(row).signs;
    // The lines below the window do not play; the window shows nothing once it has closed.
    if (!m_frame || row >= kWindowRows)
        return {signs.constData(), std::size_t(signs.size())};
    if (step() == PlaybackStep::Closed)
        return {};
    const auto shown = std::ranges::count_if(
        signs, [this](const PreviewSign &sign) { return sign.frame <= *m_frame; });
    return {signs.constData(), std::size_t(shown)};
}

QString MessageCanvas::shownText(qsizetype row) const
{
    const auto signs = shownSigns(row);
    return m_preview.rows.at(row).shown.left(
        signs.empty() ? 0 : signs.back().column + signs.back().width);
}

QRect MessageCanvas::cellRect(qsizetype row, int column, int width) const
{
    const int left = kBorder + (m_preview.face ? kFaceWidth : 0) + column * kCellWidth;
    const int top = row < kWindowRows ? kBorder + int(row) * kRowHeight
                                      : kBelowTop + int(row - kWindowRows) * kRowHeight;
    return {left, top, width * kCellWidth, kRowHeight};
}

QRect MessageCanvas::windowRect() const
{
    return {0, 0, kWindowWidth, kWindowHeight};
}

void MessageCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (step() != PlaybackStep::Closed)
        drawWindow(painter);
    if (rowCount() > kWindowRows) {
        painter.setPen(palette().windowText().color());
        painter.drawText(QRect(0, kWindowHeight, width(), kCaptionHeight), Qt::AlignVCenter,
                         QStringLiteral("Nicht im Fenster:"));
        painter.fillRect(0, kBelowTop, width(), height() - kBelowTop, windowColour().darker(150));
        for (qsizetype row = kWindowRows; row < rowCount(); ++row)
            drawRow(painter, row);
    }
}

void MessageCanvas::drawWindow(QPainter &painter) const
{
    painter.fillRect(windowRect(), windowColour());
    painter.setPen(QPen(windowColour().lighter(250), kScale));
    painter.drawRect(windowRect().adjusted(kScale / 2, kScale / 2, -kScale / 2, -kScale / 2));
    if (m_preview.face) {
        const QRect face(kBorder, kBorder, kFaceWidth, kWindowRows * kRowHeight);
        painter.setPen(QPen(Qt::lightGray, 1, Qt::DashLine));
        painter.drawRect(face.adjusted(0, 0, -kScale, -1));
        painter.drawText(face, Qt::AlignCenter, QStringLiteral("Face"));
    }
    for (qsizetype row = 0; row < kWindowRows; ++row)
        drawRow(painter, row);
    if (step() == PlaybackStep::WaitingForKey) {
        // The engine's sign that it waits for a key: a small triangle at the bottom.
        const int middle = kWindowWidth / 2;
        const int top = kWindowHeight - kBorder;
        const std::array<QPoint, 3> triangle{QPoint(middle - 3 * kScale, top),
                                             QPoint(middle + 3 * kScale, top),
                                             QPoint(middle, top + 4 * kScale)};
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPolygon(triangle.data(), int(triangle.size()));
    }
}

void MessageCanvas::drawRow(QPainter &painter, qsizetype row) const
{
    const QString &shown = m_preview.rows.at(row).shown;
    painter.save();
    painter.setFont(m_cellFont);
    for (const PreviewSign &sign : shownSigns(row)) {
        const QRect cells = cellRect(row, sign.column, sign.width);
        for (int column = sign.column; column < sign.column + sign.width; ++column)
            if (column >= m_preview.textWidth)
                painter.fillRect(cellRect(row, column), beyondEdgeColour());
        if (sign.uninterpreted)
            painter.fillRect(cells.left(), cells.bottom() - 2 * kScale, cells.width(), kScale,
                             uninterpretedColour());
        if (sign.glyph >= 0) {
            const int size = kGlyphPixels * kScale;
            painter.setPen(textColour(sign.colour));
            painter.drawPixmap(
                QRect(cells.left(), cells.top() + (kRowHeight - size) / 2, size, size),
                glyphBitmap(sign.glyph));
        } else {
            painter.drawPixmap(
                cells.topLeft(),
                characterPicture(shown.sliced(sign.column, sign.width), sign.colour, sign.width));
        }
    }
    painter.restore();
}

QPixmap MessageCanvas::characterPicture(QStringView character, int colour, int width) const
{
    // Laying out text anew for every cell would cost most of the time a keystroke takes.
    if (m_characters.size() > 4096 || m_charactersRatio != devicePixelRatioF())
        m_characters.clear();
    m_charactersRatio = devicePixelRatioF();
    const quint64 key = quint64(colour) << 32 | quint64(character[0].unicode()) << 16 |
                        (width > 1 ? character[1].unicode() : 0);
    QPixmap &picture = m_characters[key];
    if (!picture.isNull())
        return picture;
    const QRect cells(0, 0, width * kCellWidth, kRowHeight);
    picture = QPixmap(cells.size() * m_charactersRatio);
    picture.setDevicePixelRatio(m_charactersRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setFont(m_cellFont);
    painter.setPen(textColour(colour));
    painter.drawText(cells, Qt::AlignCenter, character.toString());
    return picture;
}
