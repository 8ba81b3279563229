#include "hand/bone_frames.h"

#include "hand/hand.h"
#include "hand/recording_sink.h"

namespace {

// Runs the hand's own drawing and keeps the matrix in force where each prism is
// scaled into shape; the polygons themselves are not needed.
class BoneFrameSink : public RecordingSink {
 public:
  void Scale(float x, float y, float z) override {
    frames_.push_back({Current(), {x, y, z}});
    RecordingSink::Scale(x, y, z);
  }
  void Polygon(std::span<const ShadedVertex>) override {}

  std::vector<BoneFrame> Take() { return std::move(frames_); }

 private:
  std::vector<BoneFrame> frames_;
};

}  // namespace

std::vector<BoneFrame> HandBoneFrames(const Hand& hand) {
  BoneFrameSink sink;
  hand.draw(sink);
  return sink.Take();
}
