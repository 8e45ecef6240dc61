// The offer to send a game to the hall: one dialog with the player's name (only while the hall
// knows none of this player), then a box with the hall's answer.
#include "ui/hall_offer.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/hall_tokens.h"
#include "ui/hall_upload.h"

namespace stonewick {

namespace {

QString Text(const char* english) {
  return QCoreApplication::translate("Hall", english);
}

// Asks whether to send the game, and under which name when `name` is empty. Empty when the
// player declines.
QString AskToSend(const QString& hallUrl, const QString& name) {
  QDialog dialog;
  dialog.setWindowTitle(Text(QT_TRANSLATE_NOOP("Hall", "Send to the hall")));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(
      Text(QT_TRANSLATE_NOOP("Hall", "Send this game to the hall of verified games at %1?"))
          .arg(hallUrl)));
  QLineEdit* nameField = nullptr;
  if (name.isEmpty()) {
    layout->addWidget(new QLabel(Text(QT_TRANSLATE_NOOP("Hall", "Your name in the hall:"))));
    nameField = new QLineEdit;
    nameField->setMaxLength(24);
    layout->addWidget(nameField);
  } else {
    layout->addWidget(
        new QLabel(Text(QT_TRANSLATE_NOOP("Hall", "It is sent as %1.")).arg(name.toHtmlEscaped())));
  }
  auto* buttons = new QDialogButtonBox;
  QPushButton* send =
      buttons->addButton(Text(QT_TRANSLATE_NOOP("Hall", "Send")), QDialogButtonBox::AcceptRole);
  buttons->addButton(Text(QT_TRANSLATE_NOOP("Hall", "Don't send")), QDialogButtonBox::RejectRole);
  send->setDefault(true);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (nameField != nullptr) {
    // A name is needed before the game can go.
    send->setEnabled(false);
    QObject::connect(nameField, &QLineEdit::textChanged, send,
                     [send](const QString& text) { send->setEnabled(!text.trimmed().isEmpty()); });
  }
  if (dialog.exec() != QDialog::Accepted) {
    return {};
  }
  return nameField != nullptr ? nameField->text().trimmed() : name;
}

}  // namespace

void OfferGameToHall(const QString& hallUrl, const QString& recordingPath, const QString& day,
                     const QString& tokensPath) {
  QFile file(recordingPath);
  if (!file.open(QIODevice::ReadOnly) || file.size() == 0) {
    return;
  }
  const QByteArray recording = file.readAll();
  HallTokens tokens(tokensPath);
  const QString name = AskToSend(hallUrl, tokens.NameFor(hallUrl));
  if (name.isEmpty()) {
    return;
  }
  const HallAnswer answer =
      SendToHall(hallUrl, name, tokens.TokenFor(hallUrl, name), recording, day);
  // The name is remembered once the hall has taken it; a refused name is asked again next time.
  if (answer.status == 201 || answer.status == 409 || answer.status == 422) {
    tokens.Remember(hallUrl, name, answer.token);
  }
  QString said;
  if (answer.status == 201) {
    said = Text(QT_TRANSLATE_NOOP("Hall", "The hall keeps your game: level %1, %2 kills."))
               .arg(answer.level)
               .arg(answer.kills);
  } else if (answer.status == 0) {
    said = Text(QT_TRANSLATE_NOOP("Hall", "The hall could not be reached: %1")).arg(answer.error);
  } else {
    said = Text(QT_TRANSLATE_NOOP("Hall", "The hall refused the game: %1")).arg(answer.error);
  }
  QMessageBox box(answer.status == 201 ? QMessageBox::Information : QMessageBox::Warning,
                  Text(QT_TRANSLATE_NOOP("Hall", "Send to the hall")), said, QMessageBox::Ok);
  box.exec();
}

}  // namespace stonewick
