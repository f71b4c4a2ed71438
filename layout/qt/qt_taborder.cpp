#include "qt_taborder.h"

#include "qt_control.h"
#include "qt_tree.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace kelvane::qt {

namespace {

constexpr int kChainLimit = 1 << 20; // a focus chain longer than this is not followed

using Order = std::vector<QPointer<QWidget>>;

QHash<const QWidget*, Order>& orders()
{
    static QHash<const QWidget*, Order> all;
    return all;
}

// Focus-chain positions of the window's widgets, for placing controls seen for the first time.
QHash<const QWidget*, int> chainPositions(QWidget* window)
{
    QHash<const QWidget*, int> positions;
    int i = 0;
    for (QWidget* w = window->nextInFocusChain(); w && w != window && i < kChainLimit; w = w->nextInFocusChain())
        positions.insert(w, i++);
    return positions;
}

// Brings the stored order in line with the window's controls: gone ones leave, new ones join
// at the end in focus-chain order.
Order& reconcile(QWidget* window)
{
    Order& order = orders()[window];
    std::vector<QWidget*> members;
    for (QObject* object : controlsOf(window))
        if (object->isWidgetType() && hasTabIndex(object))
            members.push_back(static_cast<QWidget*>(object));
    QHash<const QWidget*, bool> present;
    for (QWidget* w : members)
        present.insert(w, true);
    std::erase_if(order, [&](const QPointer<QWidget>& w) { return !w || !present.contains(w.data()); });
    QHash<const QWidget*, bool> known;
    for (const auto& w : order)
        known.insert(w.data(), true);
    std::vector<QWidget*> fresh;
    for (QWidget* w : members)
        if (!known.contains(w))
            fresh.push_back(w);
    if (!fresh.empty()) {
        const auto positions = chainPositions(window);
        std::stable_sort(fresh.begin(), fresh.end(), [&](QWidget* a, QWidget* b) {
            return positions.value(a, kChainLimit) < positions.value(b, kChainLimit);
        });
        order.insert(order.end(), fresh.begin(), fresh.end());
    }
    return order;
}

// Threads the focusable controls through the focus chain in order, the first one right after
// the window. Qt's chain is a ring and setTabOrder skips widgets without focus, so the window
// takes focus for the moment: otherwise the ring's wrap-around makes "a before b" already true.
void applyToFocusChain(QWidget* window, const Order& order)
{
    std::vector<QWidget*> focusable;
    for (const auto& w : order)
        if (w && w->focusPolicy() != Qt::NoFocus)
            focusable.push_back(w.data());
    if (focusable.empty())
        return;
    const Qt::FocusPolicy policy = window->focusPolicy();
    if (policy == Qt::NoFocus)
        window->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(window, focusable.front());
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1], focusable[i]);
    if (policy == Qt::NoFocus)
        window->setFocusPolicy(policy);
}

} // namespace

int tabIndexOf(QWidget* control)
{
    QWidget* window = windowOf(control);
    if (!window || !hasTabIndex(control))
        return -1;
    const Order& order = reconcile(window);
    for (std::size_t i = 0; i < order.size(); ++i)
        if (order[i] == control)
            return static_cast<int>(i);
    return -1;
}

void setTabIndex(QWidget* control, int n)
{
    QWidget* window = windowOf(control);
    if (!window || !hasTabIndex(control))
        return;
    Order& order = reconcile(window);
    auto it = std::find(order.begin(), order.end(), control);
    if (it == order.end())
        return;
    order.erase(it);
    const auto at = static_cast<std::size_t>(std::clamp<long long>(n, 0, static_cast<long long>(order.size())));
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(at), QPointer<QWidget>(control));
    applyToFocusChain(window, order);
}

} // namespace kelvane::qt
