# Writes a C++ source holding the PNG files of the program's icon as the
# icon resource IDR_MAINFRAME. Run with -DICON_DIR=... -DSIZES=16,22,...
# -DOUTPUT=...; the images are read from ICON_DIR/tavro-SIZE.png.
set(source "// Generated from res/icons by res/embed_icons.cmake; do not edit.\n")
string(REPLACE "," ";" SIZES "${SIZES}")
string(APPEND source "#include \"res/IconResources.h\"\n#include \"res/ResourceIds.h\"\n\nnamespace {\n")
set(images "")
foreach(size IN LISTS SIZES)
  file(READ ${ICON_DIR}/tavro-${size}.png hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
  string(APPEND source "const std::uint8_t kPng${size}[] = {\n${bytes}};\n")
  string(APPEND images "    {${size}, kPng${size}},\n")
endforeach()
string(APPEND source "const IconImage kImages[] = {\n${images}};\n} // namespace\n\n")
string(APPEND source "const IconResource g_iconResources[1] = {{IDR_MAINFRAME, kImages}};\n")
file(WRITE ${OUTPUT}.new "${source}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
