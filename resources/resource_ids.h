// Resource IDs shared by the resource script and the code that loads the pictures.
#pragma once

#define IDI_PROGRAM_ICON 1      // ProgramIcon: icon group 1, images 30001 to 30007
#define IDI_PROGRAM_ICON_FIRST_IMAGE 30001  // the icon resources of its images, in order
#define PROGRAM_ICON_IMAGE_COUNT 7
#define IDC_HAND_CURSOR 101     // HandCursor: cursor group
#define IDB_FOLDER_PICTURE 102  // FolderPicture: 37 by 39 bitmap of the main window
