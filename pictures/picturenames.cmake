# The program's pictures by file name: drawn by the generator for the desktop's
# resources (pictures/CMakeLists.txt), and every one of them needed by the
# page (web/CMakeLists.txt), whose build stops when one is missing.
set(ruvex_picture_names
    aboutback.bmp contactback.bmp
    menu1.bmp menu1mask.bmp menu2.bmp
    menu3.bmp menu3mask.bmp menu4.bmp menu4mask.bmp menu5.bmp menu5mask.bmp
    menu6.bmp menu6mask.bmp menu7.bmp menu7mask.bmp menu8.bmp menu8mask.bmp
    ruvex3d.ico
)
