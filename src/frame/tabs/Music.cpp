// The "Music treatment" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupMusic() {
  for (TGroupBox* column :
       {MusicClearLiftColumn, MusicEnhancerColumn, MusicMixerColumn, MusicMemoColumn})
    MakeFrameless(column);
  PutScaleUnder(ScrollBar47, {MusicGenerationLowLabel, MusicGenerationHighLabel});
  PutScaleUnder(ScrollBar48, {MusicFilteringLowLabel, MusicFilteringHighLabel});
  PutScaleUnder(ScrollBar46, {MusicPresenceDryLabel, MusicPresenceWetLabel});
}

}  // namespace vt::frame
