# Sourced: read_product sets what core/Product.h writes, the one place that does: title, version, caption
# (the main window's once start-up has run), window_class and publisher.
read_product() {
    product="$1/core/Product.h"
    version=$(sed -n 's/^inline constexpr int ProductVersion = \([0-9][0-9]*\);$/\1/p' "$product")
    if [ -z "$version" ]; then
        echo "$(basename "$0"): no ProductVersion found in $product" >&2
        return 1
    fi
    title=$(product_text Title) && caption_join=$(product_text CaptionJoin) &&
        window_class=$(product_text WindowClass) && publisher=$(product_text Publisher) || return 1
    caption="$title$caption_join$version"  # as ProductCaption() makes it
}

# The text of the line 'inline constexpr char Product<$1>[] = "...";' of $product.
product_text() {
    text=$(sed -n "s/^inline constexpr char Product$1\\[\\] = \"\\(.*\\)\";\$/\\1/p" "$product")
    if [ -z "$text" ]; then
        echo "$(basename "$0"): no Product$1 found in $product" >&2
        return 1
    fi
    printf '%s\n' "$text"
}
