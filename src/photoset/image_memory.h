#pragma once
// Qt refuses to decode an image of more than 128 MB and says only that the file does not read;
// three 16-bit photographs of 20 million pixels are under the program's own cap and over Qt's.
// The limit is raised to what the photo set's cap allows for one image (its samples at 8 bytes,
// the widest format an image is decoded into). Call before any QImageReader reads; safe to
// call from any thread, any number of times.
void AllowImagesUpToTheSampleCap();
