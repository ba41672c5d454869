; ZP200: packed types warn, short types keep two bytes
        .text
p:
        getps 1
        gets 65537
        getss -2
        complete
