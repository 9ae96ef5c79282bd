#pragma once
// The one widget that paints an assembly animation: a picture surface showing the visible
// sprites at their places, each stretched to its size, back to front. It owns the
// animation; a window's timer calls tick(), a replay calls apply() once per point.
#include "lab/AssemblyAnimation.h"
#include "platform/PictureBox.h"

#include <QHash>
#include <QImage>

#include <functional>

namespace lx {

class AssemblyView : public PictureBox {
    Q_OBJECT
public:
    // Loads a picture as a sprite names it. The default takes ":/..." from the resources
    // and anything else from the install folder (installPath).
    using PictureLoader = std::function<QImage(const QString& picture)>;
    static QImage loadPicture(const QString& picture);

    explicit AssemblyView(QWidget* parent = nullptr);

    // Shows an animation; each picture is loaded once.
    void setAnimation(AssemblyAnimation animation, const PictureLoader& load = loadPicture);
    const AssemblyAnimation& animation() const { return animation_; }

    // One timer tick: the step performed, or -1 when the animation is finished.
    int tick();
    void apply(const AssemblyStep& step);
    void reset();

private:
    void redraw();
    AssemblyAnimation animation_;
    QHash<QString, QImage> pictures_;
};

} // namespace lx
