// The program's one window: the panel of labelled fields and the Calculate, Exit and Print buttons.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "app/calc_record.h"
#include "app/window/qt_host.h"

class DiagramView;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QStyle;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // The window with every field empty and a fresh record, focus on Text1.
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // The host the commands run through.
  QtHost& host() { return *host_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private slots:
  void calculateClicked();
  void exitClicked();
  void printClicked();

 private:
  void createLabels();
  void createFields();
  void createButtons();
  void createNoteLine();
  void createDiagram();
  void createMenu();
  void showMenu(const QPoint& global_position);
  void setFocusOrder();

  CalcRecord record_;
  std::array<QLineEdit*, kFieldCount> fields_{};
  QLabel* note_ = nullptr;
  DiagramView* diagram_ = nullptr;
  std::vector<QAction*> menuActions_;
  std::array<QPushButton*, 3> buttons_{};
  std::unique_ptr<QStyle> buttonStyle_;
  std::unique_ptr<QtHost> host_;
};
