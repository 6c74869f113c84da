// Must never compile: the message logic is built without any widget, so this include fails.
#include <QWidget>

int main()
{
    return QWidget().isVisible() ? 1 : 0;
}
