// The main window's part in the changes against the stock files: the window that lists them, kept
// up to date after every command, and the reset it asks for, run as the window runs its commands.
#include "common/Cp1251.h"
#include "common/Errors.h"
#include "common/FileKinds.h"
#include "common/Files.h"
#include "main/MainWindow.h"
#include "stock/Reset.h"
#include "windows/ChangesWindow.h"
#include "windows/Text.h"

void MainWindow::showChanges() {
  run([this] {
    if (!changes_)
      changes_ = new ChangesWindow(
          [this](fw::Category c, const std::string& label) { resetToStock(c, label); }, this);
    changes_->showInFront();
  });
}

// The files as they are on disk: a stock copy saved over one of them counts as much as a write.
void MainWindow::followChanges() {
  if (!changes_ || !changes_->isVisible()) return;
  std::array<fw::LineBuffer, 3> files;
  try {
    for (fw::FileKind k : fw::kFileKinds)
      files[fw::indexOf(k)] =
          fw::loadLines(fw::FilePath::under(state_.startDirectory, fw::kindInfo(k).dataFile));
  } catch (const fw::Error& e) {
    changes_->showFailure(fw::errorText(e.withFullStop()));
    return;
  }
  changes_->follow(files);
}

// As the command line's reset of all three files: the main window looks the vehicle up on the way,
// so that its restore pages offer the backups the reset makes.
void MainWindow::resetToStock(fw::Category c, const std::string& label) {
  run([this, c, label] {
    fw::stock::ResetPlan plan = fw::stock::planReset(state_, c, label, fw::kFileKinds);
    std::string refused;
    for (const fw::stock::FileReset& f : plan.files) {
      if (f.step != fw::stock::ResetStep::Missing) continue;
      refused += (refused.empty() ? "" : "; ") + fw::cp1251::fromUtf8("в ") + fw::kindInfo(f.kind).fileName +
                 fw::cp1251::fromUtf8(" нет строки ") + label;
    }
    if (!plan.writes.empty()) fw::stock::resetToStock(state_, std::move(plan), services());
    if (!refused.empty()) throw fw::Error(fw::cp1251::fromUtf8("Не возвращено: ") + refused);
  });
}
