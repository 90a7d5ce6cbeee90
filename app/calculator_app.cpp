#include "app/calculator_app.h"

#include "order/copy_lens.h"
#include "order/order_presenter.h"
#include "print/page_printer.h"
#include "ui/qt/message_box.h"
#include "ui/qt/order_window.h"

namespace corvane {
namespace {

// A failure that no presenter trapped is shown as a numbered message over
// `window` instead of ending the program.
template <class Handler>
auto GuardedBy(QWidget* window, Handler handler)
{
    return [window, handler](auto... args) { Guarded(window, [&] { handler(args...); }); };
}

// The order window's commands reach its presenter.
void Connect(OrderWindow& window, OrderPresenter& presenter)
{
    OrderWindow* w = &window;
    OrderPresenter* p = &presenter;
    QObject::connect(w, &OrderWindow::lensTypeChosen, w, GuardedBy(w, [p](LensType type) { p->LensTypeChosen(type); }));
    QObject::connect(w, &OrderWindow::otherMaterialRequested, w, GuardedBy(w, [p] { p->OtherMaterial(); }));
    QObject::connect(w, &OrderWindow::otherColorRequested, w, GuardedBy(w, [p] { p->OtherColor(); }));
    QObject::connect(w, &OrderWindow::printRequested, w, GuardedBy(w, [p] { p->Print(); }));
    QObject::connect(w, &OrderWindow::savePdfRequested, w, GuardedBy(w, [p] { p->SavePdf(); }));
    QObject::connect(w, &OrderWindow::cancelRequested, w, GuardedBy(w, [p] { p->Cancel(); }));
    QObject::connect(w, &OrderWindow::closeRequested, w, GuardedBy(w, [p] { p->CloseAsked(); }));
}

} // namespace

CalculatorApp::CalculatorApp(NumberFormat fmt, std::unique_ptr<Printer> printer)
    : fmt_(fmt), window_(std::make_unique<MainWindow>(fmt)), calc_(*window_, fmt), refine_(*window_, calc_, fmt),
      questions_(window_.get()), files_(window_.get()), printer_(printer ? std::move(printer) : MakeDefaultPrinter())
{
    MainWindow* w = window_.get();
    QObject::connect(w, &MainWindow::calculateRequested, w, GuardedBy(w, [this] { calc_.Calculate(); }));
    QObject::connect(w, &MainWindow::clearRequested, w, GuardedBy(w, [this] { calc_.Clear(); }));
    QObject::connect(w, &MainWindow::inputChanged, w, GuardedBy(w, [this] { calc_.InputChanged(); }));
    QObject::connect(w, &MainWindow::valueClicked, w,
                     GuardedBy(w, [this](int eye, lens::LensValue value) { refine_.Clicked(eye, value); }));
    QObject::connect(w, &MainWindow::orderRequested, w, GuardedBy(w, [this] { OpenOrder(); }));
    w->show();
}

// The window goes before the presenters it tells.
CalculatorApp::~CalculatorApp() { window_.reset(); }

void CalculatorApp::OpenOrder()
{
    // Only settled lenses, while the entries are those of the lens shown.
    const std::optional<lens::LensOrder> order = calc_.Order();
    if (!order)
        return;
    order_ = WithSuggestedLens(order_, *order);
    OrderWindow window(window_.get());
    OrderPresenter presenter(window, Output(), order_, fmt_);
    Connect(window, presenter);
    presenter.Load();
    window.exec();
    // The window below takes the keyboard back, its focus where it was.
    if (window_->isVisible())
        window_->activateWindow();
}

} // namespace corvane
