#include "app/accessibles.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QtGlobal>

#include "app/grid_cursor.h"
#include "widgets/cell_label.h"

namespace kvadrix::app {
namespace {

constexpr char kLiveProperty[] = "kvadrix_live";
constexpr char kCursorProperty[] = "kvadrix_cursor";

// A clickable label as a button whose press action is its click. A cell under the keyboard
// cursor reports the focus, so a screen reader follows the cursor.
class ClickableLabelAccessible : public QAccessibleWidget {
 public:
  explicit ClickableLabelAccessible(widgets::ClickableLabel* label)
      : QAccessibleWidget(label, QAccessible::Button) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) return Label()->text();
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.focusable = true;
    state.focused = widget()->property(kCursorProperty).toBool();
    return state;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    // As a click: nothing on a label that is hidden or switched off.
    if (action == pressAction() && widget()->isVisible() && widget()->isEnabled()) Label()->Press();
  }

 private:
  widgets::ClickableLabel* Label() const { return static_cast<widgets::ClickableLabel*>(widget()); }
};

// A label that names itself by what it shows: "Hátralévő mezők: 57".
class LiveLabelAccessible : public QAccessibleWidget {
 public:
  explicit LiveLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
    const auto* label = static_cast<const QLabel*>(widget());
    return label->property(kLiveProperty).toString() + QStringLiteral(": ") + label->text();
  }
};

// The cursor's widget hands the focus on to the cell it stands on.
class GridCursorAccessible : public QAccessibleWidget {
 public:
  explicit GridCursorAccessible(GridCursor* cursor)
      : QAccessibleWidget(cursor, QAccessible::Grouping) {}
  QAccessibleInterface* focusChild() const override {
    auto* cursor = static_cast<GridCursor*>(widget());
    return cursor->hasFocus() ? QAccessible::queryAccessibleInterface(cursor->Cell()) : nullptr;
  }
};

AccessibleEventListener& Listener() {
  static AccessibleEventListener listener;
  return listener;
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (auto* label = qobject_cast<widgets::ClickableLabel*>(object))
    return new ClickableLabelAccessible(label);
  if (auto* cursor = dynamic_cast<GridCursor*>(object)) return new GridCursorAccessible(cursor);
  auto* label = qobject_cast<QLabel*>(object);
  if (label && label->property(kLiveProperty).isValid()) return new LiveLabelAccessible(label);
  return nullptr;
}

}  // namespace

void InstallAccessibles() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

void MakeLiveLabel(QLabel* label, const QString& what) {
  label->setProperty(kLiveProperty, what);
  // A running screen reader may have met it as a plain label while it was made.
  QAccessibleInterface* met = QAccessible::queryAccessibleInterface(label);
  if (dynamic_cast<LiveLabelAccessible*>(met) == nullptr)
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(met));
  // With a name of its own, the label no longer reports each change of its text; it is
  // announced when AnnounceLabel says so.
  label->setAccessibleName(what);
}

void AnnounceLabel(QLabel* label) {
  // Qt before 6.8 has no announcement: the name change of a label that names itself by its
  // text is what a screen reader can hear.
  QAccessibleEvent changed(label, QAccessible::NameChanged);
  SendAccessibleEvent(&changed);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent announcement(
      label, QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name));
  announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
  SendAccessibleEvent(&announcement);
#endif
}

void SetAccessibleEventListener(AccessibleEventListener listener) {
  Listener() = std::move(listener);
}

void SendAccessibleEvent(QAccessibleEvent* event) {
  if (Listener()) Listener()(event);
  QAccessible::updateAccessibility(event);
}

void SetCursorCell(QWidget* cell, bool focused) { cell->setProperty(kCursorProperty, focused); }

}  // namespace kvadrix::app
