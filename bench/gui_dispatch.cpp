// One frame's four broadcasts (update, hover, treat, render) through 2,000
// objects in 40 nested sets, where one object in four handles each message.
// Prints the CPU time per frame and per delivered object.
#include <cstdio>
#include <ctime>
#include <memory>

#include "gui/gui.h"
#include "gui/hover_catchers.h"
#include "gui/input_messages.h"

using namespace vandrell;

namespace {

constexpr int SETS = 40;
constexpr int OBJECTS_PER_SET = 50;
constexpr int FRAMES = 10000;
constexpr double TARGET_MS = 0.2;

int64_t handled = 0;

// Counts the messages of one type that reach it.
template <class Message>
class tCounter : public tGuiObject {
  VANDRELL_GUI_HOOKS(tCounter, tGuiObject, &tCounter::count)

 public:
  virtual int32_t count(Message&) {
    ++handled;
    return 0;
  }
};

std::shared_ptr<tGuiObject> makeLeaf(int index) {
  switch (index % 4) {
    case 0:
      return std::make_shared<tCounter<GUIMSG_UPDATE>>();
    case 1:
      return std::make_shared<tCounter<GUIMSG_HOVER>>();
    case 2:
      return std::make_shared<tCounter<GUIMSG_TREAT>>();
    default:
      return std::make_shared<tCounter<GUIMSG_RENDER>>();
  }
}

// Each set holds its share of the objects and, on top, the next set.
void buildTree() {
  tGuiSet* parent = &tGui::Current().objects();
  for (int s = 0; s < SETS; ++s) {
    auto set = std::make_shared<tGuiSet>();
    for (int i = 0; i < OBJECTS_PER_SET; ++i) set->insert(makeLeaf(i));
    parent->insert(set);
    parent = set.get();
  }
}

void frame() {
  tGui::Current().update(1.0f / 60.0f);
  tGuiHoverCatcher::Current().update();
  tGuiTreatCatcher::Current().update();
  tGui::Current().render();
}

}  // namespace

int main() {
  buildTree();
  for (int i = 0; i < FRAMES / 10; ++i) frame();  // tables built, caches warm
  handled = 0;

  const std::clock_t start = std::clock();
  for (int i = 0; i < FRAMES; ++i) frame();
  const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;

  // Every broadcast reaches every leaf and every set, the top-level set included.
  const double deliveries = 4.0 * (SETS * OBJECTS_PER_SET + SETS + 1);
  const double msPerFrame = seconds * 1e3 / FRAMES;
  std::printf("objects %d in %d nested sets, 4 broadcasts per frame, %d frames\n", SETS * OBJECTS_PER_SET, SETS,
              FRAMES);
  std::printf("handlers run per frame     %.0f\n", static_cast<double>(handled) / FRAMES);
  std::printf("deliveries per frame       %.0f\n", deliveries);
  std::printf("CPU time per frame         %.4f ms (target under %.1f ms)\n", msPerFrame, TARGET_MS);
  std::printf("CPU time per delivery      %.2f ns\n", seconds * 1e9 / FRAMES / deliveries);
  return 0;
}
