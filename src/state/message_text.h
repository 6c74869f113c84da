#pragma once

#include <QChar>
#include <QStringView>

// How a message's text is read: lines end at CR LF, LF or CR; a character may take two UTF-16
// units; code numbers are decimal digits.

inline bool isLineBreak(QChar ch)
{
    return ch == u'\n' || ch == u'\r';
}

// Whether the text starts with CR LF.
inline bool isCrLf(QStringView text)
{
    return text.size() > 1 && text[0] == u'\r' && text[1] == u'\n';
}

inline bool isSurrogatePair(QStringView text)
{
    return text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
}

inline bool isDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}
