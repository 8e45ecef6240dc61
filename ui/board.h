// The main window: the board grid, the six labels, the hidden glide box, the menu bar of nine
// commands and the three timers. Its handlers call the rules; it holds no game state.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>

#include "game/game.h"
#include "ui/board_grid.h"
#include "ui/menu_bar.h"

class QtHost;
class TFCore;
class TFAbout1;
class TFInstrs;

class TFBoard : public QWidget {
  Q_OBJECT
 public:
  // The rules must exist already: creating the window runs FormCreate, which gives a Power.
  TFBoard(stonewick::Game& game, QtHost& host, QWidget* parent = nullptr);
  ~TFBoard() override;

  // The windows created after this one that its handlers use.
  void SetCompanionWindows(TFCore& core, TFAbout1& about, TFInstrs& instrs);

  // Label1 to Label6.
  QLabel& Label(int number) { return *labels_[static_cast<std::size_t>(number - 1)]; }

  void FormCreate();
  void FormShow();
  void FormClick();
  void Instructions1Click();
  void About1Click();
  void glidechkClick();

  // The client area: everything below the menu bar; the grid and labels sit at fixed places.
  QWidget client;
  WrappingMenuBar MainMenu1;
  QAction Exit1;
  QAction Instructions1;
  QAction start1;
  QAction Pause1;
  QAction Randomise1;
  QAction Cheat1;
  QAction Skip1;
  QAction Auto1;
  QAction About1;
  BoardGrid DrawGrid1;
  QLabel Label1;
  QLabel Label2;
  QLabel Label3;
  QLabel Label4;
  QLabel Label5;
  QLabel Label6;
  QCheckBox glidechk;
  QTimer Timer1;
  QTimer Timer2;
  QTimer Timer3;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceLabels();
  // The menu bar takes the rows its commands need; the client area fills the rest.
  void PlaceBarAndClient();
  void WireMenu();
  void WireTimers();

  stonewick::Game& game_;
  QtHost& host_;
  std::array<QLabel*, 6> labels_;
  TFCore* core_ = nullptr;
  TFAbout1* about_ = nullptr;
  TFInstrs* instrs_ = nullptr;
};
