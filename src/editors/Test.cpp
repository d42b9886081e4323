#include "editors/Test.h"

#include <utility>

#include "common/Numbers.h"
#include "handset/Handset.h"

namespace vt::editors {

namespace {

constexpr const char* kTestControl = "CheckBox47";
constexpr uint8_t kDaiClockParam = 15;

// The "DAI clock" word, or the message when its text is not an integer.
std::optional<std::string> DaiClock(const ControlView& c, int32_t& value) {
  const std::string text = c.Text("Edit1");
  long long v = 0;
  if (!TryStrToInt(text, v)) return "'" + text + "' is not a valid integer value";
  value = int32_t(v);
  return std::nullopt;
}

void DaiSetup() {
  ShellSend(kDbgWriteDaiClockLine);
  const uint32_t audio = DbgRead("0x70002030");
  ShellSend((audio & 0xF000) != 0 ? kDbgWriteDaiMode11Line : kDbgWriteDaiModeDLine);
  ShellSend(kDbgWriteDaiFrameLine);
}

std::optional<std::string> RunTest(const ControlView& c, bool click) {
  int32_t clock = 0;
  if (auto error = DaiClock(c, clock)) return error;
  const int32_t t = TestModeWord(c);
  LinkHold hold;
  if (click) {
    WriteParam(kDaiClockParam, 0, clock);
    SetParamOverride(kDaiClockParam, true);
    ApplyParams();
  }
  const std::string mode = c.Text("ComboBox1");
  if (mode == "DAI" || mode == "DAI_loopback") DaiSetup();
  WriteDspItem(0, t);
  WriteDspItem(1, t == 0 ? 1 : 0x000A);
  if (click) {
    SetDspOverride(0, true);
    SetDspOverride(1, true);
  }
  ApplyDsp(0);
  ApplyDsp(1);
  return std::nullopt;
}

}  // namespace

int32_t TestModeWord(const ControlView& c) {
  static const std::pair<const char*, int32_t> kModes[] = {
      {"CDC_loopback", 0x0100}, {"AFE_loopback", 0x0200}, {"VOC_loopback", 0x0300},
      {"DAI", 0x0400},          {"DAI_loopback", 0x0500}, {"PCM_INT_loopback", 0x0600}};
  int32_t t = 0;
  const std::string mode = c.Text("ComboBox1");
  for (const auto& [text, bits] : kModes)
    if (mode == text) t = bits;
  if (c.Checked("CheckBox48")) t += 0x4000;
  if (c.Checked("CheckBox49")) t += 0x8000;
  return t;
}

std::optional<std::string> TestControlClicked(const ControlView& controls) {
  if (controls.Checked(kTestControl)) return RunTest(controls, true);
  LinkHold hold;
  SetParamOverride(kDaiClockParam, false);
  SetDspOverride(0, false);
  SetDspOverride(1, false);
  return std::nullopt;
}

std::optional<std::string> TestConfigChanged(const ControlView& controls) {
  if (!controls.Checked(kTestControl)) return std::nullopt;
  return RunTest(controls, false);
}

std::optional<std::string> DaiClockUpdate(const ControlView& controls) {
  if (!controls.Checked(kTestControl)) return std::nullopt;
  int32_t clock = 0;
  if (auto error = DaiClock(controls, clock)) return error;
  LinkHold hold;
  WriteParam(kDaiClockParam, 0, clock);
  ApplyParams();
  return std::nullopt;
}

std::vector<int32_t> DefaultParameterImage(int chipType) {
  using Words = std::vector<std::pair<int, int32_t>>;
  static const Words kChip1 = {
      {0, 32767},   {32, 4096},   {33, 32767},  {65, 4096},   {66, 16384},  {71, 16384},
      {76, 16384},  {81, 16384},  {86, 32767},  {87, 32752},  {88, 32752},  {89, 3840},
      {90, 1536},   {91, 2240},   {96, 32},     {97, 4096},   {98, 4096},   {99, 1},
      {100, 1},     {101, 7301},  {102, 10},    {103, 13014}, {104, 17156}, {105, 1028},
      {107, 2},     {108, 7},     {109, 32},    {110, 4},     {111, 206},   {112, 256},
      {113, 1},     {114, 29491}, {115, 3},     {116, 53392}, {117, 31130}, {118, 32113},
      {119, 512},   {120, 20},    {121, 328},   {122, 1638},  {123, 32113}, {124, 31130},
      {125, 1536},  {126, 512},   {127, 24576}, {128, 19661}, {129, 512},   {130, 384},
      {131, 512},   {132, 384},   {148, 22938}, {149, 39322}, {150, 49152}, {151, 27853},
      {153, 50},    {154, 384},   {155, 384},   {156, 29491}, {157, 328},   {158, 16384},
      {159, 32702}, {160, 328},   {161, 125},   {163, 1000},  {164, 5000},  {180, 32767}};
  static const Words kChip3 = {
      {0, 32767},   {32, 4096},   {33, 32767},  {65, 4096},   {66, 16384},  {71, 16384},
      {76, 16384},  {81, 16384},  {86, 16384},  {91, 16384},  {96, 32767},  {97, 32752},
      {98, 32752},  {99, 3840},   {100, 1536},  {101, 2240},  {106, 206},   {111, 32},
      {112, 4096},  {113, 4096},  {114, 1},     {115, 1},     {116, 1000},  {117, 5000},
      {118, 7301},  {119, 10},    {120, 13014}, {121, 17156}, {122, 1028},  {124, 2},
      {125, 7},     {126, 32},    {127, 4},     {134, 256},   {135, 1},     {136, 29491},
      {137, 3},     {138, 53392}, {139, 31130}, {140, 32113}, {141, 512},   {142, 20},
      {143, 328},   {144, 1638},  {145, 32113}, {146, 31130}, {147, 1536},  {148, 512},
      {149, 24576}, {150, 19661}, {151, 512},   {152, 384},   {153, 512},   {154, 384},
      {173, 22938}, {174, 39322}, {175, 49152}, {176, 27853}, {178, 50},    {184, 384},
      {185, 384},   {186, 29491}, {187, 328},   {188, 16384}, {189, 32702}};
  std::vector<int32_t> image(190, 0);
  for (const auto& [index, value] : chipType == 3 ? kChip3 : kChip1) image[size_t(index)] = value;
  return image;
}

void InitDas(int chipType) {
  static const int32_t kCodec[16] = {32767, 2020, 520, 119, 255, 0, 0, 0,
                                     144,   0,    2,   883, 1,   124, 0, 0};
  LinkHold hold;
  for (int32_t i = 0; i < 16; ++i) WriteArea(6, i, kCodec[i]);
  WriteArea(2, 15, 65535);
  WriteArea(1, 0, 8);
  DbgWait();
  WriteArea(6, 0, 0);
  WriteArea(1, 0, 0);
  const std::vector<int32_t> image = DefaultParameterImage(chipType);
  for (size_t i = 0; i < image.size(); ++i) WriteArea(4, int32_t(i), image[i]);
  for (int32_t i = 1; i <= 13; ++i) WriteArea(2, i, 65535);
  WriteArea(1, 0, 2);
  DbgWait();
  WriteArea(1, 0, 0);
}

}  // namespace vt::editors
