#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

// Hands screen readers the message canvas as rows of text whose attributes give each character's
// colour; a factory for QAccessible::installFactory.
QAccessibleInterface *messageCanvasAccessible(const QString &className, QObject *object);
