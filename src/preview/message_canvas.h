#pragma once

#include "game_view/message_preview.h"

#include <QHash>
#include <QPixmap>
#include <QWidget>

#include <optional>
#include <span>

// Draws a message as the game's message window shows it: at rest all of it, while it plays as far
// as the playback has come.
class MessageCanvas final : public QWidget {
    Q_OBJECT

public:
    explicit MessageCanvas(QWidget *parent);

    void setPreview(MessagePreview preview);
    // The playback's frame, or nothing for the message at rest.
    void setFrame(std::optional<qint64> frame);
    // Where the playback stands; nothing at rest.
    std::optional<PlaybackStep> step() const;

    // The window's rows, then the lines below it.
    qsizetype rowCount() const;
    int textWidth() const { return m_preview.textWidth; }
    // The signs a row shows now, and what their cells show.
    std::span<const PreviewSign> shownSigns(qsizetype row) const;
    QString shownText(qsizetype row) const;
    QRect cellRect(qsizetype row, int column, int width = 1) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawWindow(QPainter &painter) const;
    void drawRow(QPainter &painter, qsizetype row) const;
    QRect windowRect() const;
    // A character drawn once in its cells and colour, to be copied from then on.
    QPixmap characterPicture(QStringView character, int colour, int width) const;

    QFont m_cellFont;
    mutable QHash<quint64, QPixmap> m_characters;
    mutable qreal m_charactersRatio = 0;
    MessagePreview m_preview;
    std::optional<qint64> m_frame;
};
