// One editable text widget bound to one text of the working state. It tells the user's edits from
// what the view put there itself, so that the state takes only real edits (a field that shows a
// byte the widget cannot keep, such as a no-break space in a multi-line field, is not "edited"),
// and rendering touches the widget only when the state says something new.
#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace fw {

class TextBinding {
public:
  using Read = std::function<QString()>;
  using Write = std::function<void(const QString&)>;

  TextBinding(Read widgetText, Write showInWidget, Read stateText, Write storeInState);

  // The widget's text when the user changed it since it was last shown, else nothing. The view
  // renders every binding before it first asks.
  std::optional<QString> edited() const;
  // Stores an edited text in the state; the text must be representable in Windows-1251.
  void store(const QString& text);
  // Shows the state's text if it differs from what was last shown. An edit the state has not
  // taken stays in the widget until the state itself changes.
  void render();
  // Shows the state's text whatever the widget holds (after the widget lost its text otherwise).
  void renderAlways();

private:
  void show(QString text);

  Read widgetText_;
  Write showInWidget_;
  Read stateText_;
  Write storeInState_;
  QString source_; // the state's text when last shown
  QString shown_;  // the widget's text right after that
  bool rendered_ = false;
};

} // namespace fw
