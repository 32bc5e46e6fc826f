// Closed polygons used as hit shapes: rotated image footprints and
// the click areas that scene images may carry.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gui/pset.h"
#include "gui/rect.h"

namespace vandrell {

class TStream;

// The last point joins the first; points are shared, so a caller holding one
// sees the polygon's transforms.
class tPoly {
 public:
  std::vector<tPsetPtr> psets;

  void AddPset(tPsetPtr p);
  tPsetPtr AddPoint(float x, float y);
  void RemovePoint();
  tRect GetProfile() const;
  void Move(float dx, float dy);
  void Scale(float sx, float sy, float cx, float cy);
  void Rotate(float angle, float cx, float cy);
  // The closed outline in the renderer's current colour and blend.
  void Draw() const;
  // A point count, then the points.
  void Save(TStream& stream) const;
  // Replaces the points. False, with a diagnostic and the polygon unchanged,
  // when the record is malformed or cut short.
  bool Load(TStream& stream);
  // The point of the outline nearest to (x, y), or null for an empty polygon
  // or a point inside. x0 and y0 are accepted for callers that pass a start
  // point and are not used.
  tPsetPtr Collide(float x0, float y0, float x, float y) const;
  // Keeps (cx, cy) as the best candidate when it is nearer to (x, y) than the
  // best so far; ties keep the earlier one.
  static void _FindDistance(float cx, float cy, float x, float y, tPsetPtr& best, float& bestDistance);
  // Crossing rule: points on the sides with the smaller x or y count as inside,
  // those on the opposite sides do not.
  int32_t Inside(float x, float y) const;
  // The stored vertex nearest to (x, y), or null for an empty polygon.
  tPsetPtr NearPoint(float x, float y) const;

 private:
  // Calls visit(s, p) for every edge, s starting at the last point.
  template <typename Visit>
  void forEachEdge(Visit visit) const;
};

}  // namespace vandrell
