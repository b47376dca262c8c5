#pragma once
// Copies of the games' pictures in the place where a frontend looks for them, never over a
// picture the user put there.
#include <cstddef>
#include <string>
#include <vector>

namespace zeb {

struct PictureCopies {
  size_t copied = 0;                  // pictures written into the frontend's place
  std::vector<std::string> kept;      // names left alone there: the user's own pictures
  std::vector<std::string> failures;  // what could not be read or written, and why
};

// Copies each picture of pictures_folder into target_folder (made when missing, one level)
// where MayReplaceFrontendPicture allows it. record_folder (made when missing; keep it where
// the frontend does not look) holds the copy last put into the target folder: that is what
// "our earlier copy" means the next time. A picture already there as it is is not written.
PictureCopies CopyPicturesTo(const std::string& pictures_folder, const std::string& target_folder,
                             const std::string& record_folder);

}  // namespace zeb
