// The "Music treatment" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupMusic() {
  MakeFrameless(MusicMemoColumn);
  PutScaleUnder(ScrollBar47, {MusicGenerationLowLabel, MusicGenerationHighLabel});
  PutScaleUnder(ScrollBar48, {MusicFilteringLowLabel, MusicFilteringHighLabel});
  PutScaleUnder(ScrollBar46, {MusicPresenceDryLabel, MusicPresenceWetLabel});
}

}  // namespace vt::frame
