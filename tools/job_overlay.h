#pragma once
// What the renderer draws over the pass's raster, in one place for every format: the raster
// formats draw it into the picture's pixels, SVG and PDF keep it as vectors over the raster.
// The gradient-space map's figure (map_figure.h), or the sphere's marks (sphere_figure.h).

#include <QImage>
#include <QPainter>
#include <QSize>

#include "model/image_buffer.h"
#include "model/render_state.h"
#include "render_job.h"

// Whether PaintJobOverlay draws anything for the job: a job without an overlay never needs the
// headless GUI, and its raster is written as the pass left it.
bool JobHasOverlay(const RenderJob& job);

// Draws the job's overlay for the state `lastPass` left, over a raster of `deviceSize` pixels.
// `painter` draws in logical coordinates: the device pixels divided by the job's scale (its
// device's pixel ratio, or its own scale). Call EnsureHeadlessGui before opening the painter.
void PaintJobOverlay(const RenderJob& job, const RenderState& lastPass, QPainter& painter,
                     QSize deviceSize);

// The picture's pixels seen as a Format_RGB32 image of pixel ratio job.scale, without a copy:
// drawing on it draws on the picture. `picture` must outlive it.
QImage PassImage(const RenderJob& job, ImageBuffer& picture);

// Draws the job's overlay into `picture`, in place (the raster formats).
void DrawJobOverlayOver(const RenderJob& job, const RenderState& lastPass, ImageBuffer& picture);
