#pragma once

#include <QUuid>
#include <QWidget>

namespace Brindlewick {
class ModelContext;
class BoardView final : public QWidget {
    Q_OBJECT
public:
    BoardView(ModelContext &context, QWidget *parent = nullptr) : QWidget(parent), m_context(context) {}
Q_SIGNALS:
    void openSessionRequested(const QUuid &sessionID);

private:
    ModelContext &m_context;
};
} // namespace Brindlewick
