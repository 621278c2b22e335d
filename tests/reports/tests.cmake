# Test programs of this area.
