#include "support/data_set.h"

namespace quillmoor::test {

void WriteDataSet(const TempDir& dir, std::string_view map, const NameRows& names,
                  const TimeRows& times) {
  dir.Write("Data/map.res", map);
  dir.Write("Data/Ch1.res", EncodeNames(names).value());
  dir.Write("Data/Ch2.res", EncodeTimes(times).value());
}

}  // namespace quillmoor::test
