// Pictures drawn from shapes: each layer is a shape (a signed distance, negative inside) filled with a
// paint, painted over the layers before it and smoothed by several samples per pixel.
#pragma once

#include <functional>
#include <vector>

#include "tools/picture_generator/image.h"

namespace pictures {

struct Point {
  double x = 0;
  double y = 0;
};

// Straight alpha, every channel from 0 to 1.
struct Colour {
  double red = 0;
  double green = 0;
  double blue = 0;
  double alpha = 1;
};

Colour FromRgb(int red, int green, int blue, double alpha = 1);
Colour Mix(const Colour& from, const Colour& to, double amount);

using Shape = std::function<double(Point)>;
using Paint = std::function<Colour(Point)>;

struct Layer {
  Shape shape;
  Paint paint;
};

Shape RoundedRectangle(double left, double top, double right, double bottom, double radius);
Shape Ellipse(Point centre, double radiusX, double radiusY);
// A convex polygon, corners in either turning order.
Shape ConvexPolygon(std::vector<Point> corners);
// A line of the given width with round ends.
Shape Stroke(Point from, Point to, double width);
Shape Union(Shape first, Shape second);
Shape Intersection(Shape first, Shape second);
// The shape grown by a border of the given width (shrunk when negative).
Shape Grown(Shape shape, double width);

Paint Solid(Colour colour);
Paint VerticalGradient(double top, Colour atTop, double bottom, Colour atBottom);

// The layers' coordinates are pixel coordinates times unitsPerPixel; pixel (x, y) covers x to x + 1.
Image Render(int width, int height, double unitsPerPixel, const std::vector<Layer>& layers);

}  // namespace pictures
