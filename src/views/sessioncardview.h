#pragma once

#include "models/sessioncolumn.h"

#include <QDateTime>
#include <QPoint>
#include <QStaticText>
#include <QStringList>
#include <QUuid>
#include <QVector>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class QMimeData;
class QTextLayout;

namespace Brindlewick {

class ModelContext;
class Session;

// One session's card on the board: title, last prompt, last response and a footer with the
// project, the stopped badge and the time of the last activity. Painted by itself (no child
// widgets) so that a board of hundreds of cards builds and updates quickly. A click asks for the
// session's window, a drag carries the session id to another column, and the context menu closes
// the session. GUI thread.
class SessionCardView final : public QWidget {
    Q_OBJECT
public:
    // What the card shows, copied from its session, the session's project and the process manager,
    // so that painting never reads the store.
    struct Content {
        QUuid id;
        QString title;
        QString prompt;
        QString response;
        bool hasProject = false;
        QString projectName;
        std::optional<QString> projectColorHex;
        SessionColumn column = SessionColumn::working;
        std::optional<QDateTime> lastActivityAt;
        bool running = false;
        bool operator==(const Content &) const = default;

        static Content of(const Session &session, bool running);
    };

    SessionCardView(ModelContext &context, const Content &content, QWidget *parent = nullptr);
    ~SessionCardView() override;

    const Content &content() const { return m_content; }
    // Takes new content; redraws, and asks for a new height only when the wrapped text may change.
    void setContent(const Content &content);
    QUuid sessionID() const { return m_content.id; }

    bool isHovered() const { return m_hovered; }
    // The column's colour, which fills the card's background.
    QColor tint() const;
    // The title, or "セッション" when it is empty.
    QString displayedTitle() const;

    QString accessibleLabelText() const;
    QString accessibleHintText() const;
    QString accessibleValueText() const;
    // The other columns, in board order, with the titles of their accessibility actions.
    QVector<SessionColumn> moveTargets() const;
    static QString moveActionTitle(SessionColumn column);
    // Moves this session to `column` as a drop would; returns the number moved (0 or 1).
    int moveTo(SessionColumn column);
    void open();
    // What a drag of this card carries: the session id as plain text.
    QMimeData *makeDragData() const;

    // Removes the card from the board. When a drag or the context menu of this card is running, the
    // card is deleted only after it ends, so that no frame on the stack outlives its object.
    void retire();

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void openRequested(const QUuid &sessionID);

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // Wrapped and elided text for one width.
    struct Layout {
        int width = -1;
        int height = 0;
        QString title;
        QStringList prompt;
        QStringList response;
        int promptY = 0;
        int responseY = 0;
        int footerY = 0;
        int footerHeight = 0;
        // Glyph runs prepared at the first paint, so repaints (hover, moves, ticks) do not shape again.
        mutable std::vector<QStaticText> staticLines;
    };
    const Layout &layoutFor(int width) const;
    QTextLayout &textLayout(std::unique_ptr<QTextLayout> &slot, const QString &text, const QFont &font) const;
    void invalidateLayout(bool geometry);
    void paintFooter(QPainter &painter, const Layout &layout);
    void startDrag();
    void finishBusy();
    void retranslate();
    void notifyAccessibility();

    ModelContext &m_context;
    Content m_content;
    // Two widths: a scroll area measures with and without its scroll bar.
    mutable Layout m_layouts[2];
    mutable int m_newerLayout = 0;
    // Shaped once per text and font; wrapping for a new width reuses the glyphs.
    mutable std::unique_ptr<QTextLayout> m_promptLayout;
    mutable std::unique_ptr<QTextLayout> m_responseLayout;
    mutable QString m_title;
    mutable int m_titleWidth = -1;
    bool m_hovered = false;
    bool m_pressed = false;
    QPoint m_pressPos;
    bool m_busy = false;
    bool m_retired = false;
};

} // namespace Brindlewick
