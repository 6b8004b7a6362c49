// The program's one window: the panel of labelled fields and the Calculate, Exit and Print buttons.
#include "app/window/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <functional>

#include "app/calculate_command.h"
#include "app/window/diagram_view.h"
#include "app/window/export_actions.h"
#include "output/diagram_model.h"

namespace {

// The form is laid out in twips; at 96 dots per inch 15 twips are one logical pixel, so the
// window grows with the desktop's scale factor like every other Qt window.
constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) {
  return twips / kTwipsPerPixel;
}

struct Rect {
  int left, top, width, height;  // twips
  constexpr QRect pixels() const { return QRect(Px(left), Px(top), Px(width), Px(height)); }
};

struct LabelSpec {
  const char* name;
  const char* caption;
  Rect place;
};

struct FieldSpec {
  const char* name;
  Rect place;
};

struct ButtonSpec {
  const char* name;
  const char* caption;
  Rect place;
  QColor colour;  // invalid: the style's own button colour
};

struct LineSpec {
  int x1, y1, x2, y2;  // twips
  int penWidth;        // pixels
};

const QColor kBackground(255, 255, 192);
const QColor kLineColour(192, 64, 0);

// The Chinese names of the values, above their fields.
const LabelSpec kCaptionLabels[] = {
    {"Label1", "超高渐变段起点桩号", {5040, 4920, 1815, 255}},
    {"Label3", "超高渐变段起点横坡", {6960, 4920, 1815, 255}},
    {"Label2", "超高渐变段终点桩号", {5040, 5880, 1815, 255}},
    {"Label4", "超高渐变段终点横坡", {6960, 5880, 1815, 255}},
    {"Label19", "第一个计算断面桩号", {4200, 6840, 1815, 255}},
    {"Label5", "超高渐变段长度", {6360, 6840, 1455, 255}},
    {"Label17", "断面间距", {8400, 6840, 855, 255}},
    {"Label6", "待定点桩号", {4680, 8160, 975, 255}},
    {"Label15", "计算中线长度", {6240, 8160, 1215, 255}},
    {"Label13", "左侧断面横坡", {8160, 7800, 1215, 255}},
    {"Label21", "右侧断面横坡", {8160, 8400, 1215, 255}},
};

// The engineering symbols, left of their fields.
const LabelSpec kSymbolLabels[] = {
    {"Label9", "K1", {4920, 5160, 255, 255}},     {"Label7", " I1", {7080, 5160, 255, 255}},
    {"Label10", "K2", {4920, 6120, 255, 255}},    {"Label8", " I2", {7080, 6120, 255, 255}},
    {"Label20", "KI", {4080, 7080, 255, 255}},    {"Label11", " L", {6120, 7080, 255, 255}},
    {"Label18", " DL", {7800, 7080, 375, 255}},   {"Label12", "Kp", {4080, 8400, 255, 255}},
    {"Label16", "Lp", {6000, 8400, 255, 255}},    {"Label14", "Ip(L)", {7680, 8040, 495, 255}},
    {"Label22", "Ip(R)", {7680, 8640, 495, 255}},
};

// Text1 to Text11, in the order of TextField.
const FieldSpec kFields[] = {
    {"Text1", {5160, 5160, 1575, 285}},  {"Text2", {5160, 6120, 1575, 285}},
    {"Text3", {7320, 5160, 1215, 285}},  {"Text4", {7320, 6120, 1215, 285}},
    {"Text5", {6360, 7080, 1335, 285}},  {"Text6", {4320, 8400, 1575, 285}},
    {"Text7", {8160, 8040, 1215, 285}},  {"Text8", {6240, 8400, 1215, 285}},
    {"Text9", {8160, 7080, 1335, 285}},  {"Text10", {4320, 7080, 1455, 285}},
    {"Text11", {8160, 8640, 1215, 285}},
};

// Calculate, Exit, Print.
const ButtonSpec kButtons[] = {
    {"Command1", "计 算", {5400, 9360, 855, 375}, QColor(192, 255, 192)},
    {"Command2", "退 出", {6480, 9360, 855, 375}, QColor(255, 192, 192)},
    {"Command3", "打 印", {7560, 9360, 855, 375}, QColor()},
};

// The panel's frame and the three dividers between its bands.
const LineSpec kLines[] = {
    {3480, 4680, 10320, 4680, 3},  {3480, 4680, 3480, 9120, 3},  {3480, 9120, 10320, 9120, 3},
    {10320, 4680, 10320, 9120, 3}, {3480, 5640, 10320, 5640, 2}, {3480, 6600, 10320, 6600, 2},
    {3480, 7560, 10320, 7560, 2},
};

// Every control ends inside this: the panel's right edge and the buttons' bottom, in twips.
constexpr int kLayoutRight = 10320;
constexpr int kLayoutBottom = 9735;
constexpr int kFrameMargin = 120;

// The diagram band above the panel.
constexpr Rect kDiagram = {240, 120, 10320 - 240, 4320 - 120};
// The note line, just above the panel's top edge.
constexpr Rect kNoteLine = {240, 4395, 10320 - 240, 240};
// Where prompts stand: value prompts with their bottom edge above the panel's top (4680), key
// prompts left of the panel (3480) beside band 4 (from 7560).
constexpr int kPromptBottom = 4620;
constexpr int kKeyPromptLeft = 120;
constexpr int kKeyPromptTop = 7440;

QFont CaptionFont() {
  QFont font("宋体");
  font.setPointSizeF(9);
  font.setBold(true);
  return font;
}

QFont SymbolFont() {
  QFont font("MS Sans Serif");
  font.setPointSizeF(8.25);
  font.setBold(true);
  return font;
}

}  // namespace

// The window's resources live in a static library, which registers nothing by itself.
static void LoadResources() {
  Q_INIT_RESOURCE(window);
}

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  LoadResources();
  // Neither face exists on Linux, and fontconfig maps neither name by itself. This Song face has
  // a real bold weight, which holds at every scale where a synthetic one is lost; the narrow sans
  // face fits the longest station and slope texts into their fields.
  QFont::insertSubstitution("宋体", "Noto Serif CJK SC");
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans Narrow");

  setWindowTitle("超高渐变段横坡计算");
  QPalette background = palette();
  background.setColor(QPalette::Window, kBackground);
  setPalette(background);
  setAutoFillBackground(true);

  createLabels();
  createFields();
  createButtons();
  createDiagram();
  createNoteLine();
  setFocusOrder();
  setWindowIcon(QIcon(QStringLiteral(":/superelevation.svg")));

  WindowParts parts;
  parts.window = this;
  parts.fields = fields_;
  parts.note = note_;
  parts.prompt_bottom = Px(kPromptBottom);
  parts.key_prompt_place = QPoint(Px(kKeyPromptLeft), Px(kKeyPromptTop));
  host_ = std::make_unique<QtHost>(parts);
  host_->setCalculationShown([this](const CalcRecord& record, int shown) {
    diagram_->setModel(BuildDiagram(record, shown));
    diagram_->repaint();
  });
  createMenu();

  const QSize least(Px(kLayoutRight + kFrameMargin), Px(kLayoutBottom + kFrameMargin));
  setMinimumSize(least);
  resize(least);
  fields_[0]->setFocus();
}

MainWindow::~MainWindow() {
  // The buttons use buttonStyle_, which goes before QWidget's destructor deletes the children.
  for (QPushButton* button : buttons_)
    delete button;
}

void MainWindow::createLabels() {
  const auto add = [this](const LabelSpec& spec, const QFont& font) {
    auto* label = new QLabel(QString::fromUtf8(spec.caption), this);
    label->setObjectName(spec.name);
    label->setGeometry(spec.place.pixels());
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  };
  for (const LabelSpec& spec : kCaptionLabels)
    add(spec, CaptionFont());
  for (const LabelSpec& spec : kSymbolLabels)
    add(spec, SymbolFont());
}

void MainWindow::createFields() {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    auto* field = new QLineEdit(this);
    field->setObjectName(kFields[i].name);
    field->setGeometry(kFields[i].place.pixels());
    field->setFont(SymbolFont());
    field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    field->setFrame(true);
    // White with black text even under a dark desktop theme: the fields are read like paper.
    QPalette colours = field->palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    field->setPalette(colours);
    fields_[i] = field;
  }
}

void MainWindow::createButtons() {
  // The Windows style fills a button with exactly its palette's colour, whatever the desktop's
  // style; Fusion pales it and others draw over it.
  buttonStyle_.reset(QStyleFactory::create("Windows"));
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const ButtonSpec& spec = kButtons[i];
    auto* button = new QPushButton(QString::fromUtf8(spec.caption), this);
    button->setObjectName(spec.name);
    button->setGeometry(spec.place.pixels());
    button->setFont(CaptionFont());
    button->setStyle(buttonStyle_.get());
    // Enter in a field must not click anything.
    button->setAutoDefault(false);
    button->setDefault(false);
    if (spec.colour.isValid()) {
      QPalette colours = button->palette();
      colours.setColor(QPalette::Button, spec.colour);
      button->setPalette(colours);
    }
    buttons_[i] = button;
  }
  connect(buttons_[0], &QPushButton::clicked, this, &MainWindow::calculateClicked);
  connect(buttons_[1], &QPushButton::clicked, this, &MainWindow::exitClicked);
  connect(buttons_[2], &QPushButton::clicked, this, &MainWindow::printClicked);
}

void MainWindow::createNoteLine() {
  note_ = new QLabel(this);
  note_->setObjectName("NoteLine");
  note_->setGeometry(kNoteLine.pixels());
  note_->setFont(CaptionFont());
  note_->setFocusPolicy(Qt::NoFocus);
  note_->setTextFormat(Qt::PlainText);
  note_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void MainWindow::createDiagram() {
  diagram_ = new DiagramView(this);
  diagram_->setObjectName("Diagram");
  diagram_->setGeometry(kDiagram.pixels());
  diagram_->setModel(BuildDiagram(record_, 0));
}

void MainWindow::createMenu() {
  struct Item {
    const char* caption;
    std::function<void()> run;
  };
  const Item items[] = {
      {"复制计算表", [this] { CopyTable(record_, *host_); }},
      {"导出计算表为 CSV 文件…", [this] { ExportCsv(record_, *host_); }},
      {"保存计算书为 PDF 文件…", [this] { SaveReportAsPdf(record_, *host_); }},
      {"打印预览…", [this] { PreviewReport(record_, *host_, this, [this] { printClicked(); }); }},
      {"保存示意图为图片…", [this] { SaveDiagram(diagram_->model(), diagram_->size(), *host_); }},
  };
  for (const Item& item : items) {
    auto* action = new QAction(QString::fromUtf8(item.caption), this);
    connect(action, &QAction::triggered, this, item.run);
    menuActions_.push_back(action);
  }
  // Wherever the focus is; Ctrl+C in a field still copies the field's text.
  menuActions_[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  menuActions_[0]->setShortcutContext(Qt::WindowShortcut);
  addAction(menuActions_[0]);
  // The menu key opens this menu, not a field's own.
  auto* menuKey = new QAction(this);
  menuKey->setShortcut(QKeySequence(Qt::Key_Menu));
  menuKey->setShortcutContext(Qt::WindowShortcut);
  connect(menuKey, &QAction::triggered, this,
          [this] { showMenu(diagram_->mapToGlobal(diagram_->rect().center())); });
  addAction(menuKey);
}

void MainWindow::showMenu(const QPoint& global_position) {
  QMenu menu(this);
  for (QAction* action : menuActions_) {
    // Nothing to take away before the first calculation.
    action->setEnabled(record_.ComputedSections > 0);
    menu.addAction(action);
  }
  menu.exec(global_position);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  showMenu(event->globalPos());
}

void MainWindow::setFocusOrder() {
  QLineEdit* const* text = fields_.data();  // text[0] is Text1
  QWidget* const order[] = {text[0], text[1], text[2],     text[3],     text[4],
                            text[5], text[6], buttons_[0], buttons_[1], text[7],
                            text[8], text[9], text[10],    buttons_[2]};
  for (std::size_t i = 1; i < std::size(order); ++i)
    setTabOrder(order[i - 1], order[i]);
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const LineSpec& line : kLines) {
    // Square caps close the frame's corners.
    painter.setPen(QPen(kLineColour, line.penWidth, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(Px(line.x1), Px(line.y1), Px(line.x2), Px(line.y2));
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  host_->End();
}

void MainWindow::calculateClicked() {
  RunCalculateCommand(record_, *host_);
}

void MainWindow::exitClicked() {
  host_->End();
}

void MainWindow::printClicked() {
  RunPrintCommand(record_, *host_);
}
