#include "app/widgetdump.h"

#include "models/uuidtext.h"
#include "views/boardcolumn.h"
#include "views/sessioncardview.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QItemSelectionModel>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWidget>

namespace Brindlewick {

namespace {

QJsonObject describe(QWidget *w)
{
    QJsonObject o;
    o.insert(QStringLiteral("class"), QString::fromLatin1(w->metaObject()->className()));
    o.insert(QStringLiteral("objectName"), w->objectName());
    const QPoint g = w->mapToGlobal(QPoint(0, 0));
    o.insert(QStringLiteral("x"), g.x());
    o.insert(QStringLiteral("y"), g.y());
    o.insert(QStringLiteral("width"), w->width());
    o.insert(QStringLiteral("height"), w->height());
    if (QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w)) {
        o.insert(QStringLiteral("accessibleName"), a->text(QAccessible::Name));
        o.insert(QStringLiteral("accessibleValue"), a->text(QAccessible::Value));
        o.insert(QStringLiteral("accessibleDescription"), a->text(QAccessible::Description));
        // Rows of item views are not widgets; list them with their place on screen. They come from
        // the model, not from the accessible children: without an active screen reader nobody
        // tells the accessible cell cache that the rows changed, and it answers with stale cells.
        if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model()) {
            QJsonArray items;
            const QAbstractItemModel *model = view->model();
            for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
                const QModelIndex index = model->index(row, 0, view->rootIndex());
                QString name = index.data(Qt::AccessibleTextRole).toString();
                if (name.isEmpty())
                    name = index.data(Qt::DisplayRole).toString();
                const QRect local = view->visualRect(index);
                const QPoint origin = view->viewport()->mapToGlobal(local.topLeft());
                items.append(
                    QJsonObject{{QStringLiteral("name"), name},
                                {QStringLiteral("x"), origin.x()},
                                {QStringLiteral("y"), origin.y()},
                                {QStringLiteral("width"), local.width()},
                                {QStringLiteral("height"), local.height()},
                                {QStringLiteral("selected"),
                                 view->selectionModel() && view->selectionModel()->isSelected(index)}});
            }
            o.insert(QStringLiteral("items"), items);
        }
    }
    for (const QByteArray &name : w->dynamicPropertyNames()) {
        if (name.startsWith("bw"))
            o.insert(QString::fromLatin1(name), QJsonValue::fromVariant(w->property(name.constData())));
    }
    if (auto *card = qobject_cast<SessionCardView *>(w)) {
        o.insert(QStringLiteral("sessionID"), uuidText(card->sessionID()));
        o.insert(QStringLiteral("column"), rawValue(card->content().column));
        o.insert(QStringLiteral("running"), card->content().running);
    } else if (auto *column = qobject_cast<BoardColumn *>(w)) {
        o.insert(QStringLiteral("column"), rawValue(column->column()));
    }
    return o;
}

void walk(QWidget *w, QJsonArray &out)
{
    if (!w->isVisible())
        return;
    bool interesting = (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))) ||
                       qobject_cast<SessionCardView *>(w) || qobject_cast<BoardColumn *>(w);
    for (const QByteArray &name : w->dynamicPropertyNames())
        interesting = interesting || name.startsWith("bw");
    if (interesting)
        out.append(describe(w));
    for (QObject *child : w->children()) {
        if (auto *cw = qobject_cast<QWidget *>(child))
            walk(cw, out);
    }
}

} // namespace

QByteArray introspectWidgets()
{
    QJsonArray windows;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        QJsonObject win = describe(top);
        win.insert(QStringLiteral("title"), top->windowTitle());
        win.insert(QStringLiteral("active"), top->isActiveWindow());
        win.insert(QStringLiteral("maximized"), top->isMaximized());
        // The X11 window id (xdotool getactivewindow) and the outer frame, decorations included.
        win.insert(QStringLiteral("windowID"), QString::number(top->winId()));
        const QRect frame = top->frameGeometry();
        win.insert(QStringLiteral("frame"), QJsonArray{frame.x(), frame.y(), frame.width(), frame.height()});
        QJsonArray widgets;
        walk(top, widgets);
        win.insert(QStringLiteral("widgets"), widgets);
        windows.append(win);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("windows"), windows}}).toJson(QJsonDocument::Compact);
}

} // namespace Brindlewick
