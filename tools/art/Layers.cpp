// Colouring of layered shapes: outline, fill, side band and details from plain masks.
#include "Layers.h"

bool IsEdge(const Grid& mask, int x, int y) {
    return mask.At(x, y) && (!mask.At(x - 1, y) || !mask.At(x + 1, y) || !mask.At(x, y - 1) || !mask.At(x, y + 1));
}

Grid UnionOf(const std::vector<Grid>& layers) {
    Grid whole(layers.empty() ? 0 : layers[0].width, layers.empty() ? 0 : layers[0].height);
    for (const Grid& layer : layers)
        for (size_t i = 0; i < whole.cells.size(); i++) whole.cells[i] |= layer.cells[i];
    return whole;
}

void PaintLayer(Grid& picture, const Grid& layer, const Grid& whole, const LayerColours& colours) {
    for (int y = 0; y < layer.height; y++)
        for (int x = 0; x < layer.width; x++) {
            if (!layer.At(x, y)) continue;
            uint8_t colour = colours.fill;
            if (IsEdge(layer, x, y))
                colour = IsEdge(whole, x, y) ? colours.edge : colours.innerEdge;
            else if (colours.shadeDepth > 0 && !layer.At(x + colours.shadeSide * colours.shadeDepth, y))
                colour = colours.shade;
            picture.Set(x, y, colour);
        }
}

void PaintLayers(Grid& target, int left, int top, const LayeredShape& shape, const LayerColours& colours) {
    if (shape.layers.empty()) return;
    Grid whole = UnionOf(shape.layers);
    Grid picture(whole.width, whole.height, 0xFF);  // 0xFF: untouched
    for (const Grid& layer : shape.layers) PaintLayer(picture, layer, whole, colours);
    for (int y = 0; y < whole.height; y++)
        for (int x = 0; x < whole.width; x++)
            if (shape.details.At(x, y) && whole.At(x, y) && !IsEdge(whole, x, y)) picture.Set(x, y, colours.detail);
    Blit(target, picture, left, top, 0xFF);
}
