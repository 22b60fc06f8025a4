#include "lensui/lens_maker.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "lensui/dialog_fields.h"

namespace kelvane {

namespace {

int g_lensMakerShape = 0;  // user-interface thread only

constexpr int kIngressBit = 0x2;
constexpr int kEgressBit = 0x1;

QLineEdit* makeNumberEdit(QWidget* parent, const QRect& r) {
  auto* e = new QLineEdit(parent);
  e->setGeometry(r);
  e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
  return e;
}

}  // namespace

int lensMakerShape() { return g_lensMakerShape; }

LensMaker::LensMaker(QWidget* owner) : QDialog(owner) {
  setWindowTitle(kLensMakerCaption);
  setModal(true);
  const DialogUnits du(font());
  setFixedSize(du.x(264), du.y(218));

  auto label = [&](const QRect& r, const char* text) { (new QLabel(text, this))->setGeometry(r); };
  auto named = [&](QWidget* w, int id) {
    w->setObjectName(QStringLiteral("ctl%1").arg(id));
    return w;
  };

  auto* ingressBox = new QGroupBox(QStringLiteral("Ingress"), this);
  ingressBox->setGeometry(du.rect(6, 23, 66, 55));
  auto* egressBox = new QGroupBox(QStringLiteral("Egress"), this);
  egressBox->setGeometry(du.rect(6, 81, 66, 55));

  label(du.rect(6, 8, 22, 9), "Focus");
  named(makeNumberEdit(this, du.rect(29, 6, 39, 12)), IDC_MAKER_FOCUS);
  label(du.rect(76, 8, 22, 9), "Depth");
  named(makeNumberEdit(this, du.rect(99, 6, 39, 12)), IDC_MAKER_DEPTH);
  label(du.rect(145, 8, 22, 9), "Width");
  named(makeNumberEdit(this, du.rect(168, 6, 39, 12)), IDC_MAKER_WIDTH);

  auto faceButtons = [&](int cvId, int y, int bit) {
    auto* group = new QButtonGroup(this);
    for (int k = 0; k < 2; ++k) {
      auto* b = new QPushButton(k == 0 ? QStringLiteral("CV") : QStringLiteral("CC"), this);
      b->setGeometry(du.rect(13 + 26 * k, y, 25, 10));
      b->setCheckable(true);
      b->setAutoDefault(false);
      group->addButton(b, cvId + k);
      named(b, cvId + k);
    }
    group->button((g_lensMakerShape & bit) ? cvId + 1 : cvId)->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, [cvId, bit](int id) {
      if (id == cvId)
        g_lensMakerShape &= ~bit;
      else
        g_lensMakerShape |= bit;
    });
  };
  faceButtons(IDC_MAKER_INGRESS_CV, 34, kIngressBit);
  label(du.rect(13, 49, 10, 9), "X");
  named(makeNumberEdit(this, du.rect(25, 47, 39, 12)), IDC_MAKER_INGRESS_X);
  label(du.rect(13, 64, 10, 9), "Y");
  named(makeNumberEdit(this, du.rect(25, 62, 39, 12)), IDC_MAKER_INGRESS_Y);
  faceButtons(IDC_MAKER_EGRESS_CV, 92, kEgressBit);
  label(du.rect(12, 107, 10, 9), "X");
  named(makeNumberEdit(this, du.rect(24, 105, 39, 12)), IDC_MAKER_EGRESS_X);
  label(du.rect(12, 123, 10, 9), "Y");
  named(makeNumberEdit(this, du.rect(24, 121, 39, 12)), IDC_MAKER_EGRESS_Y);

  auto* make = new QPushButton(QStringLiteral("&Make"), this);
  make->setGeometry(du.rect(219, 6, 34, 13));
  make->setAutoDefault(false);
  named(make, IDC_MAKER_MAKE);
  m_list = new QListWidget(this);
  m_list->setGeometry(du.rect(85, 28, 168, 182));
  m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  named(m_list, IDC_MAKER_LIST);
  connect(make, &QPushButton::clicked, this, [this] { m_list->addItem(kLensMakerTestLine); });
  ingressBox->lower();
  egressBox->lower();
}

QWidget* LensMaker::control(int id) const {
  return findChild<QWidget*>(QStringLiteral("ctl%1").arg(id));
}

void LensMaker::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      done(IDOK_COMMAND);
      return;
    case Qt::Key_Escape:
      done(IDCANCEL_COMMAND);
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void LensMaker::closeEvent(QCloseEvent* event) {
  done(IDCANCEL_COMMAND);
  event->accept();
}

int runLensMaker(QWidget* mainWindow) {
  LensMaker dialog(mainWindow);
  return dialog.exec();
}

}  // namespace kelvane
