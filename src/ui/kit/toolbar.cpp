#include "toolbar.h"

#include <QToolButton>

namespace {
const char *const KeyProperty = "key";
}

Toolbar::Toolbar(QWidget *parent)
    : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    connect(this, &QToolBar::actionTriggered, this, [this](QAction *action) {
        if (!action->isSeparator())
            emit ButtonClick(action);
    });
}

QAction *Toolbar::addButton(const QString &key, const QIcon &image, const QString &toolTip)
{
    QAction *action = addAction(image, toolTip);
    action->setProperty(KeyProperty, key);
    setToolTipText(action, toolTip);
    if (auto *tool = qobject_cast<QToolButton *>(widgetForAction(action))) {
        tool->setObjectName(QStringLiteral("Toolbar1_") + key);
        // Starting, pausing and the statistics have no menu entry: without
        // Tab on the buttons they could not be reached from the keyboard.
        tool->setFocusPolicy(Qt::TabFocus);
    }
    return action;
}

QAction *Toolbar::button(int position) const
{
    const QList<QAction *> all = actions();
    return (position >= 1 && position <= all.size()) ? all.at(position - 1) : nullptr;
}

QString Toolbar::key(const QAction *button)
{
    return button ? button->property(KeyProperty).toString() : QString();
}

void Toolbar::setToolTipText(QAction *button, const QString &text)
{
    button->setText(text);
    button->setToolTip(text);
}
