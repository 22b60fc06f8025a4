#include "lensui/lens_maker.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "calc/design_worker.h"
#include "lensui/dialog_fields.h"
#include "lensui/lens_session.h"
#include "lensui/maker_request.h"
#include "lensui/maker_result.h"
#include "winui/ui_text.h"

namespace kelvane {

namespace {

int g_lensMakerShape = 0;  // user-interface thread only

constexpr int kIngressBit = 0x2;
constexpr int kEgressBit = 0x1;
constexpr int kPollMs = 50;
constexpr int kProgressSteps = 1000;
constexpr int kDesignedRole = Qt::UserRole;  // a row's DesignedLens, when it has one

QString idName(int id) { return QStringLiteral("ctl%1").arg(id); }
QString messageName(int id) { return QStringLiteral("msg%1").arg(id); }

}  // namespace

int lensMakerShape() { return g_lensMakerShape; }

LensMaker::LensMaker(QWidget* owner) : QDialog(owner) {
  setWindowTitle(uiText(kLensMakerCaption));
  setModal(true);
  buildLayout();
  m_poll.setInterval(kPollMs);
  connect(&m_poll, &QTimer::timeout, this, &LensMaker::poll);
}

LensMaker::~LensMaker() { cancelRun(); }

void LensMaker::buildLayout() {
  const DialogUnits du(font());
  setFixedSize(du.x(336), du.y(240));

  auto label = [&](const QRect& r, const QString& text) {
    auto* l = new QLabel(text, this);
    l->setGeometry(r);
    return l;
  };
  auto named = [&](QWidget* w, int id) {
    w->setObjectName(idName(id));
    return w;
  };
  // A number field, with room for its message at `message`.
  auto field = [&](int id, const QRect& r, const QRect& message, const QString& text = {}) {
    auto* e = new QLineEdit(text, this);
    e->setGeometry(r);
    e->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*\\.?[0-9]*")), e));
    named(e, id);
    QLabel* m = label(message, QString());
    m->setObjectName(messageName(id));
    m->setStyleSheet(QStringLiteral("color: #c00000"));
    // A changed field's message no longer applies.
    connect(e, &QLineEdit::textEdited, m, &QLabel::clear);
    return e;
  };

  label(du.rect(6, 8, 22, 9), tr("Focus"));
  field(IDC_MAKER_FOCUS, du.rect(29, 6, 39, 12), du.rect(6, 19, 68, 9));
  label(du.rect(76, 8, 22, 9), tr("Depth"));
  field(IDC_MAKER_DEPTH, du.rect(99, 6, 39, 12), du.rect(76, 19, 68, 9));
  label(du.rect(145, 8, 22, 9), tr("Width"));
  field(IDC_MAKER_WIDTH, du.rect(168, 6, 39, 12), du.rect(145, 19, 110, 9));

  auto* ingressBox = new QGroupBox(tr("Ingress"), this);
  ingressBox->setGeometry(du.rect(6, 31, 66, 55));
  auto* egressBox = new QGroupBox(tr("Egress"), this);
  egressBox->setGeometry(du.rect(6, 89, 66, 55));
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
  faceButtons(IDC_MAKER_INGRESS_CV, 42, kIngressBit);
  label(du.rect(13, 57, 10, 9), QStringLiteral("X"));
  field(IDC_MAKER_INGRESS_X, du.rect(25, 55, 39, 12), du.rect(75, 57, 82, 9));
  label(du.rect(13, 72, 10, 9), QStringLiteral("Y"));
  field(IDC_MAKER_INGRESS_Y, du.rect(25, 70, 39, 12), du.rect(75, 72, 82, 9));
  faceButtons(IDC_MAKER_EGRESS_CV, 100, kEgressBit);
  label(du.rect(12, 115, 10, 9), QStringLiteral("X"));
  field(IDC_MAKER_EGRESS_X, du.rect(24, 113, 39, 12), du.rect(75, 115, 82, 9));
  label(du.rect(12, 131, 10, 9), QStringLiteral("Y"));
  field(IDC_MAKER_EGRESS_Y, du.rect(24, 129, 39, 12), du.rect(75, 131, 82, 9));

  // The index starts at the lens's; the bounds at the focus table's grid.
  const DesignRequest defaults;
  auto number = [](double v) { return QString::number(v, 'g', 10); };
  label(du.rect(6, 150, 30, 9), tr("Index"));
  field(IDC_MAKER_INDEX, du.rect(40, 148, 39, 12), du.rect(82, 150, 76, 9),
        QString::number(1.0 / lensSession().model.indexRatio(), 'g', 6));
  label(du.rect(6, 164, 150, 9), tr("Empty values are searched within:"));
  label(du.rect(6, 177, 32, 9), tr("X and Y"));
  field(IDC_MAKER_AXES_LEAST, du.rect(40, 175, 39, 12), du.rect(6, 188, 84, 9),
        number(defaults.bounds[kDesignIvx].least));
  label(du.rect(82, 177, 9, 9), tr("to"));
  field(IDC_MAKER_AXES_MOST, du.rect(92, 175, 39, 12), du.rect(92, 188, 66, 9),
        number(defaults.bounds[kDesignIvx].most));
  label(du.rect(6, 200, 32, 9), tr("Depth"));
  field(IDC_MAKER_DEPTHS_LEAST, du.rect(40, 198, 39, 12), du.rect(6, 211, 84, 9),
        number(defaults.bounds[kDesignDepth].least));
  label(du.rect(82, 200, 9, 9), tr("to"));
  field(IDC_MAKER_DEPTHS_MOST, du.rect(92, 198, 39, 12), du.rect(92, 211, 66, 9),
        number(defaults.bounds[kDesignDepth].most));

  m_make = new QPushButton(tr("&Make"), this);
  m_make->setGeometry(du.rect(295, 6, 34, 13));
  m_make->setAutoDefault(false);
  named(m_make, IDC_MAKER_MAKE);
  m_list = new QListWidget(this);
  m_list->setGeometry(du.rect(161, 36, 168, 182));
  m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_list->setToolTip(tr("Double-click a lens to show it in the lens view"));
  named(m_list, IDC_MAKER_LIST);

  m_status = label(du.rect(6, 224, 152, 10), QString());
  named(m_status, IDC_MAKER_STATUS);
  m_progress = new QProgressBar(this);
  m_progress->setGeometry(du.rect(161, 223, 96, 12));
  m_progress->setRange(0, kProgressSteps);
  m_progress->setValue(0);
  named(m_progress, IDC_MAKER_PROGRESS);
  m_cancel = new QPushButton(tr("Cancel"), this);
  m_cancel->setGeometry(du.rect(261, 222, 32, 14));
  m_cancel->setAutoDefault(false);
  m_cancel->setEnabled(false);
  named(m_cancel, IDC_MAKER_CANCEL);
  m_copy = new QPushButton(tr("Copy"), this);
  m_copy->setGeometry(du.rect(297, 222, 32, 14));
  m_copy->setAutoDefault(false);
  m_copy->setEnabled(false);
  m_copy->setToolTip(tr("Copy the lens's script line"));
  named(m_copy, IDC_MAKER_COPY);

  connect(m_make, &QPushButton::clicked, this, &LensMaker::make);
  connect(m_cancel, &QPushButton::clicked, this, &LensMaker::cancelRun);
  connect(m_copy, &QPushButton::clicked, this, &LensMaker::copyLine);
  connect(m_list, &QListWidget::itemDoubleClicked, this, &LensMaker::showLens);
  connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    m_copy->setEnabled(item && item->data(kDesignedRole).isValid());
  });
  ingressBox->lower();
  egressBox->lower();
}

QWidget* LensMaker::control(int id) const { return findChild<QWidget*>(idName(id)); }

QString LensMaker::fieldMessage(int id) const {
  const auto* m = findChild<QLabel*>(messageName(id));
  return m ? m->text() : QString();
}

void LensMaker::setStatus(const QString& text) { m_status->setText(text); }

void LensMaker::make() {
  if (running()) return;
  for (QLabel* m : findChildren<QLabel*>(QRegularExpression(QStringLiteral("^msg")))) m->clear();
  const MakerRequestRead read = readMakerRequest(
      [this](int id) {
        auto* e = qobject_cast<QLineEdit*>(control(id));
        return e ? e->text() : QString();
      },
      g_lensMakerShape);
  for (const MakerFieldProblem& p : read.problems) {
    if (auto* m = findChild<QLabel*>(messageName(p.id)))
      m->setText(p.message);
    else
      setStatus(p.message);
  }
  if (!read.request) {
    setStatus(tr("Check the fields marked in red."));
    return;
  }
  m_request = *read.request;
  m_worker = std::make_unique<DesignWorker>(m_request);
  m_make->setEnabled(false);
  m_cancel->setEnabled(true);
  m_progress->setValue(0);
  setStatus(tr("Designing..."));
  m_poll.start();
}

void LensMaker::poll() {
  if (!m_worker) return;
  m_progress->setValue(static_cast<int>(m_worker->doneShare() * kProgressSteps));
  if (m_worker->finished()) endRun();
}

void LensMaker::endRun() {
  m_poll.stop();
  const std::optional<DesignResult> result = m_worker->take();
  const bool cancelled = m_worker->cancelled();
  m_worker.reset();
  m_make->setEnabled(true);
  m_cancel->setEnabled(false);
  if (cancelled || !result) {
    m_progress->setValue(0);
    setStatus(tr("Stopped."));
    return;
  }
  m_progress->setValue(kProgressSteps);
  auto* item = new QListWidgetItem(m_list);
  if (result->reached) {
    const DesignedLens designed = designedLens(m_request, *result);
    item->setText(designedRowText(designed));
    item->setToolTip(designedScriptLine(designed));
    item->setData(kDesignedRole, QVariant::fromValue(designed));
    setStatus(tr("%1 lenses traced in %2 s.").arg(result->traced).arg(result->seconds, 0, 'f', 2));
  } else {
    item->setText(unreachedRowText(m_request, *result));
    setStatus(tr("No lens in the bounds reaches the focus."));
  }
  m_list->setCurrentItem(item);
  m_list->scrollToItem(item);
}

void LensMaker::cancelRun() {
  if (!m_worker) return;
  m_worker->cancel();
  // The search stops at its next trace: wait for it here rather than
  // leave a thread behind.
  m_worker->wait();
  endRun();
}

void LensMaker::showLens(QListWidgetItem* item) {
  if (!item || !item->data(kDesignedRole).isValid()) return;
  showDesignedLens(parentWidget(), item->data(kDesignedRole).value<DesignedLens>());
}

void LensMaker::copyLine() {
  const QListWidgetItem* item = m_list->currentItem();
  if (!item || !item->data(kDesignedRole).isValid()) return;
  QGuiApplication::clipboard()->setText(
      designedScriptLine(item->data(kDesignedRole).value<DesignedLens>()));
  setStatus(tr("Script line copied."));
}

void LensMaker::done(int result) {
  cancelRun();
  QDialog::done(result);
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
