; a string left open in an escape at the end of a file without a line feed
        .data
        .ascii "abc\