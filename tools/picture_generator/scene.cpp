#include "tools/picture_generator/scene.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace pictures {
namespace {

constexpr int kSamplesPerAxis = 6;

// sqrt rather than hypot: it is exactly rounded everywhere, so every build draws the same pixels.
double Length(double x, double y) { return std::sqrt(x * x + y * y); }

double DistanceToSegment(Point p, Point a, Point b) {
  const double abX = b.x - a.x;
  const double abY = b.y - a.y;
  const double along =
      std::clamp(((p.x - a.x) * abX + (p.y - a.y) * abY) / (abX * abX + abY * abY), 0.0, 1.0);
  return Length(p.x - a.x - along * abX, p.y - a.y - along * abY);
}

std::uint8_t ToByte(double channel) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(channel, 0.0, 1.0) * 255));
}

}  // namespace

Colour FromRgb(int red, int green, int blue, double alpha) {
  return {red / 255.0, green / 255.0, blue / 255.0, alpha};
}

Colour Mix(const Colour& from, const Colour& to, double amount) {
  const double t = std::clamp(amount, 0.0, 1.0);
  auto blend = [t](double a, double b) { return a + (b - a) * t; };
  return {blend(from.red, to.red), blend(from.green, to.green), blend(from.blue, to.blue),
          blend(from.alpha, to.alpha)};
}

Shape RoundedRectangle(double left, double top, double right, double bottom, double radius) {
  const Point centre{(left + right) / 2, (top + bottom) / 2};
  const double halfWidth = (right - left) / 2 - radius;
  const double halfHeight = (bottom - top) / 2 - radius;
  return [=](Point p) {
    const double dx = std::abs(p.x - centre.x) - halfWidth;
    const double dy = std::abs(p.y - centre.y) - halfHeight;
    return Length(std::max(dx, 0.0), std::max(dy, 0.0)) + std::min(std::max(dx, dy), 0.0) - radius;
  };
}

Shape Ellipse(Point centre, double radiusX, double radiusY) {
  return [=](Point p) {
    const double x = p.x - centre.x;
    const double y = p.y - centre.y;
    const double scaled = Length(x / radiusX, y / radiusY);
    const double gradient = Length(x / (radiusX * radiusX), y / (radiusY * radiusY));
    if (gradient == 0) return -std::min(radiusX, radiusY);
    return scaled * (scaled - 1) / gradient;
  };
}

Shape ConvexPolygon(std::vector<Point> corners) {
  double area = 0;
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const Point a = corners[i];
    const Point b = corners[(i + 1) % corners.size()];
    area += a.x * b.y - b.x * a.y;
  }
  if (area < 0) std::reverse(corners.begin(), corners.end());
  return [corners = std::move(corners)](Point p) {
    double nearest = INFINITY;
    bool inside = true;
    for (std::size_t i = 0; i < corners.size(); ++i) {
      const Point a = corners[i];
      const Point b = corners[(i + 1) % corners.size()];
      nearest = std::min(nearest, DistanceToSegment(p, a, b));
      if ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x) < 0) inside = false;
    }
    return inside ? -nearest : nearest;
  };
}

Shape Stroke(Point from, Point to, double width) {
  return [=](Point p) { return DistanceToSegment(p, from, to) - width / 2; };
}

Shape Union(Shape first, Shape second) {
  return [=](Point p) { return std::min(first(p), second(p)); };
}

Shape Intersection(Shape first, Shape second) {
  return [=](Point p) { return std::max(first(p), second(p)); };
}

Shape Grown(Shape shape, double width) {
  return [=](Point p) { return shape(p) - width; };
}

Paint Solid(Colour colour) {
  return [=](Point) { return colour; };
}

Paint VerticalGradient(double top, Colour atTop, double bottom, Colour atBottom) {
  return [=](Point p) { return Mix(atTop, atBottom, (p.y - top) / (bottom - top)); };
}

Image Render(int width, int height, double unitsPerPixel, const std::vector<Layer>& layers) {
  Image image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      // Premultiplied sums over the samples of the pixel.
      double red = 0, green = 0, blue = 0, alpha = 0;
      for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
        for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
          const Point p{(x + (sx + 0.5) / kSamplesPerAxis) * unitsPerPixel,
                        (y + (sy + 0.5) / kSamplesPerAxis) * unitsPerPixel};
          double r = 0, g = 0, b = 0, a = 0;
          for (const Layer& layer : layers) {
            if (layer.shape(p) > 0) continue;
            const Colour c = layer.paint(p);
            r = c.red * c.alpha + r * (1 - c.alpha);
            g = c.green * c.alpha + g * (1 - c.alpha);
            b = c.blue * c.alpha + b * (1 - c.alpha);
            a = c.alpha + a * (1 - c.alpha);
          }
          red += r;
          green += g;
          blue += b;
          alpha += a;
        }
      }
      Rgba& pixel = image.At(x, y);
      pixel.alpha = ToByte(alpha / (kSamplesPerAxis * kSamplesPerAxis));
      if (pixel.alpha != 0) {
        pixel.red = ToByte(red / alpha);
        pixel.green = ToByte(green / alpha);
        pixel.blue = ToByte(blue / alpha);
      }
    }
  }
  return image;
}

}  // namespace pictures
