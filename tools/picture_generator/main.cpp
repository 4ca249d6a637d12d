// Draws the program's pictures into the folder given on the command line:
//   program_icon.ico, hand_cursor.cur, folder_picture.bmp, and the icon again as the resource pieces
//   program_icon_parts/group.bin and program_icon_parts/image_<id>.dib.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "resources/resource_ids.h"
#include "tools/picture_generator/folder_picture.h"
#include "tools/picture_generator/hand_cursor.h"
#include "tools/picture_generator/icon_file.h"
#include "tools/picture_generator/program_icon.h"

namespace {

void WriteFile(const std::filesystem::path& path, const pictures::Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

void WritePictures(const std::filesystem::path& folder) {
  const std::filesystem::path parts = folder / "program_icon_parts";
  std::filesystem::create_directories(parts);

  const std::vector<pictures::DirectoryEntry> icon = pictures::ProgramIconImages();
  WriteFile(folder / "program_icon.ico", pictures::DirectoryFile(pictures::DirectoryKind::kIcon, icon));
  // windres numbers the images of an .ico itself, so the resource script takes the pieces instead.
  WriteFile(parts / "group.bin", pictures::IconGroupResource(icon, IDI_PROGRAM_ICON_FIRST_IMAGE));
  for (std::size_t i = 0; i < icon.size(); ++i) {
    WriteFile(parts / ("image_" + std::to_string(IDI_PROGRAM_ICON_FIRST_IMAGE + i) + ".dib"), icon[i].dib);
  }
  WriteFile(folder / "hand_cursor.cur", pictures::HandCursorFile());
  WriteFile(folder / "folder_picture.bmp", pictures::FolderPictureFile());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::cerr << "usage: picture_generator <output folder>\n";
    return 2;
  }
  try {
    WritePictures(argv[1]);
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "picture_generator: " << error.what() << '\n';
    return 1;
  }
}
