#pragma once

#include <QIcon>

// The program's icon in every size that the pictures offer, for window title bars and task bars.
QIcon applicationIcon();
