#include "codes/alignment_settings.h"

#include "codes/numeric_answer.h"

namespace {

const QString kFaceOnTitle = QStringLiteral("Face On");
const QString kFaceOffTitle = QStringLiteral("Face Off");

// Sets the alignment and moves the face width between centred (26) and not centred (38).
void setAlignment(Module1 &state, qint16 alignment)
{
    state.AusrichtungsModus = alignment;
    if (alignment == kCentred && state.Zeilenbreite == kFaceWidth)
        state.Zeilenbreite = kCentredFaceWidth;
    else if (alignment != kCentred && state.Zeilenbreite == kCentredFaceWidth)
        state.Zeilenbreite = kFaceWidth;
}

} // namespace

void askAlignment(Session &session)
{
    const auto alignment = askNumber(
        session, QStringLiteral("Ausrichtung: 1 = Zentriert ; 2 = Rechtsbündig ; 3 = Linksbündig"),
        QStringLiteral("Ausrichtung"), 1);
    if (alignment)
        setAlignment(session.state, *alignment);
}

void toggleFaceFromMenu(Session &session)
{
    Module1 &state = session.state;
    if (state.Zeilenbreite == kNoFaceWidth) {
        state.Zeilenbreite = kFaceWidth;
        session.dialogs.inform(QStringLiteral("Messages mit Faces"), kFaceOnTitle);
    } else {
        state.Zeilenbreite = kNoFaceWidth;
        session.dialogs.inform(QStringLiteral("Messages ohne Faces"), kFaceOffTitle);
    }
}

void toolbarButtonClicked(Session &session, const QString &buttonText)
{
    Module1 &state = session.state;
    if (buttonText == u"Zentriert") {
        setAlignment(state, kCentred);
    } else if (buttonText == u"Rechts") {
        setAlignment(state, kRightAligned);
    } else if (buttonText == u"Links") {
        setAlignment(state, kLeftAligned);
    } else if (buttonText == u"Face On/Off") {
        if (state.Zeilenbreite == kNoFaceWidth) {
            state.Zeilenbreite =
                state.AusrichtungsModus == kCentred ? kCentredFaceWidth : kFaceWidth;
            session.dialogs.inform(QStringLiteral("Faces ON"), kFaceOnTitle);
        } else {
            state.Zeilenbreite = kNoFaceWidth;
            session.dialogs.inform(QStringLiteral("Faces OFF"), kFaceOffTitle);
        }
    }
}
