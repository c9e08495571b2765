#include "app/clock_panel.h"

#include "app/accessibles.h"
#include "app/handler_guard.h"
#include "app/widget_factory.h"
#include "board/game_clock.h"

namespace kvadrix::app {

ClockPanel::ClockPanel(QWidget* page, QObject* owner, const game::GameSession& session,
                       HandlerGuard& guard)
    : session_(session) {
  ui_.GroupBox11 =
      MakeGroup(page, "GroupBox11", QStringLiteral("Idő mérése "), QRect(398, 76, 118, 48));
  ui_.Label1 =
      MakeYellowLabel(ui_.GroupBox11, "Label1", QStringLiteral("Idő:"), QRect(10, 22, 28, 16), 13);
  ui_.Lido = MakeYellowLabel(ui_.GroupBox11, "Lido", QStringLiteral("00:00"), QRect(42, 17, 70, 24),
                             20, true);
  MakeLiveLabel(ui_.Lido, QStringLiteral("Idő"));
  ui_.T1 = new QTimer(owner);
  ui_.T1->setObjectName(QStringLiteral("T1"));
  ui_.T1->setInterval(100);
  connect(ui_.T1, &QTimer::timeout, this, guard.Wrap([this] { T1Timer(); }));
}

// Ten times a second, from scratch: the clock is StartTime and now, never a counter. A screen
// reader hears it once a minute; every second would drown whatever else it says.
void ClockPanel::T1Timer() {
  const QString text = QString::fromStdString(board::FormatTicks(session_.ElapsedTicks()));
  if (text == ui_.Lido->text()) return;
  const bool new_minute =
      text.section(QLatin1Char(':'), 0, 0) != ui_.Lido->text().section(QLatin1Char(':'), 0, 0);
  ui_.Lido->setText(text);
  if (new_minute) AnnounceLabel(ui_.Lido);
}

void ClockPanel::Clear() {
  ui_.T1->stop();
  ui_.Lido->setText(QStringLiteral("00:00"));
}

}  // namespace kvadrix::app
